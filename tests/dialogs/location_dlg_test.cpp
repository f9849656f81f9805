// The location picker on screen.
#include "CityTable.h"
#include "DialogIds.h"
#include "DialogTestKit.h"
#include "LocationDlg.h"
#include "TabbedListBox.h"
#include "TabStops.h"

#include <gtest/gtest.h>

#include <wx/dcclient.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include <vector>

namespace {

class LocationDialogTest : public DialogTest {
protected:
    void Open()
    {
        dialog = new CLocationDlg(owner);  // destroyed with owner
        dialog->Show();
        Settle();
        ASSERT_NE(dialog->listBox, nullptr);
    }

    CLocationDlg* dialog = nullptr;
};

TEST_F(LocationDialogTest, ListsTheCitiesInTableOrderWithNoneSelected)
{
    Open();
    TabbedListBox& list = *dialog->listBox;
    EXPECT_EQ(list.GetId(), kIdCityList);
    ASSERT_EQ(list.GetRowCount(), kCityCount);
    ASSERT_EQ(dialog->rows.size(), kCityCount);
    for (std::size_t i = 0; i < kCityCount; ++i) {
        EXPECT_EQ(list.GetRow(i), kCityTable[i]);
        EXPECT_EQ(dialog->rows[i], kCityTable[i]);
    }
    EXPECT_EQ(list.GetRow(0), "根室\t+43:20\t+145:35\t+09");
    EXPECT_EQ(list.GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(list.GetVisibleRowsBegin(), 0u);
    EXPECT_TRUE(list.HasFlag(wxALWAYS_SHOW_SB));
}

TEST_F(LocationDialogTest, OkWithoutASelectionKeepsTheDialogOpen)
{
    Open();
    ClickButton(*dialog, wxID_OK);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->chosenRow, "");
}

TEST_F(LocationDialogTest, OkHandsBackTheSelectedRowWhole)
{
    Open();
    dialog->listBox->SetSelection(47);
    ClickButton(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(dialog->chosenRow, "那覇\t+26:13\t+127:40\t+09");
}

TEST_F(LocationDialogTest, CancelAndTheCloseBoxHandBackNothing)
{
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        Open();
        dialog->listBox->SetSelection(14);
        if (closeBox) {
            dialog->Close();
        } else {
            ClickButton(*dialog, wxID_CANCEL);
        }
        EXPECT_FALSE(dialog->IsShown());
        EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
        EXPECT_EQ(dialog->chosenRow, "");
        dialog->Destroy();
        Settle();
    }
}

// Real mouse and keyboard input through the display server.
TEST_F(LocationDialogTest, DoubleClickOnlySelectsAndEnterIsOk)
{
    Open();
    TabbedListBox& list = *dialog->listBox;
    wxUIActionSimulator input;
    input.MouseMove(list.ClientToScreen(list.GetItemRect(2).GetPosition() + wxPoint(20, 4)));
    input.MouseDblClick();
    EXPECT_TRUE(SettleUntil([&] { return list.GetSelection() == 2; }));
    Settle();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->chosenRow, "");

    input.Char(WXK_DOWN);
    EXPECT_TRUE(SettleUntil([&] { return list.GetSelection() == 3; }));
    input.Char(WXK_RETURN);
    EXPECT_TRUE(SettleUntil([&] { return !dialog->IsShown(); }));
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(dialog->chosenRow, "秋田\t+39:43\t+140:07\t+09");
}

TEST_F(LocationDialogTest, EscIsCancelAndHandsBackNothing)
{
    Open();
    TabbedListBox& list = *dialog->listBox;
    wxUIActionSimulator input;
    input.MouseMove(list.ClientToScreen(list.GetItemRect(2).GetPosition() + wxPoint(20, 4)));
    input.MouseClick();  // without a window manager, a click gives the keyboard
    EXPECT_TRUE(SettleUntil([&] { return list.GetSelection() == 2; }));
    input.Char(WXK_ESCAPE);
    EXPECT_TRUE(SettleUntil([&] { return !dialog->IsShown(); }));
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(dialog->chosenRow, "");
}

TEST_F(LocationDialogTest, EnterWithoutASelectionKeepsTheDialogOpen)
{
    Open();
    dialog->listBox->SetFocus();
    wxUIActionSimulator input;
    input.Char(WXK_RETURN);
    Settle();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->chosenRow, "");
}

TEST_F(LocationDialogTest, FieldsStandUnderTheirHeadings)
{
    // The tab stops fall every 32 dialog units from the list's left edge; each
    // heading lies within a few units of the column its fields take.
    Open();
    const int stop = dialog->ConvertDialogToPixels(wxSize(CLocationDlg::kTabStopDu, 0)).x;
    const int listLeft = dialog->listBox->GetScreenPosition().x;
    const char* const headings[] = {"場所", "緯度", "経度", "時差"};
    for (int column = 0; column < 4; ++column) {
        wxStaticText* heading = nullptr;
        for (wxWindow* child : dialog->GetChildren()) {
            auto* text = dynamic_cast<wxStaticText*>(child);
            if (text && text->GetLabel() == wxString::FromUTF8(headings[column])) {
                heading = text;
            }
        }
        ASSERT_NE(heading, nullptr) << headings[column];
        const int headingX = heading->GetScreenPosition().x - listLeft;
        const int unit = dialog->ConvertDialogToPixels(wxSize(4, 0)).x;  // one average character
        EXPECT_NEAR(headingX, column * stop, 2 * unit) << headings[column];
    }

    // Every row's fields are narrower than a stop, so each starts on one.
    wxClientDC dc(dialog->listBox);
    dc.SetFont(dialog->listBox->GetFont());
    for (std::size_t i = 0; i < kCityCount; ++i) {
        std::vector<int> widths;
        for (const wxString& field : wxSplit(wxString::FromUTF8(std::string(kCityTable[i])), '\t', '\0')) {
            widths.push_back(dc.GetTextExtent(field).x);
        }
        EXPECT_EQ(TabbedFieldColumns(widths, stop),
                  (std::vector<int>{0, stop, 2 * stop, 3 * stop}))
            << kCityTable[i];
    }
}

}  // namespace

// The about box on screen.
#include "AboutCommand.h"
#include "AboutDlg.h"
#include "DialogTestKit.h"
#include "VellmorVersion.h"

#include <gtest/gtest.h>

#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

using AboutBoxTest = DialogTest;

TEST_F(AboutBoxTest, ShowsIconNameVersionAndASecondLineCentredOverTheMainWindow)
{
    owner->Move(300, 300);  // room all round: centring is not clamped by the screen
    Settle();
    wxTEST_DIALOG(ShowAboutBox(owner), ExpectDialog<CAboutDlg>([this](CAboutDlg& about) {
        EXPECT_EQ(about.GetTitle(), wxString::FromUTF8("バージョン情報"));
        auto* name = wxDynamicCast(about.FindWindow("name"), wxStaticText);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->GetLabelText(), "Vellmor (Vellmor.exe)  " VELLMOR_ABOUT_VERSION);
        EXPECT_EQ(CAboutDlg::NameAndVersion(), "Vellmor (Vellmor.exe)  V.1.03");
        auto* line2 = wxDynamicCast(about.FindWindow("line2"), wxStaticText);
        ASSERT_NE(line2, nullptr);
        EXPECT_FALSE(line2->GetLabel().empty());

        wxStaticBitmap* icon = nullptr;
        for (wxWindow* child : about.FindWindow("icon_container")->GetChildren()) {
            icon = icon ? icon : wxDynamicCast(child, wxStaticBitmap);
        }
        ASSERT_NE(icon, nullptr);
        const wxSize box = about.ConvertDialogToPixels(wxSize(20, 20));
        EXPECT_TRUE(icon->GetBitmap().IsOk());
        const wxBitmap shown = icon->GetBitmap();
        EXPECT_LE(shown.GetLogicalWidth(), std::min(box.x, box.y));
        // With as many pixels as the screen has there: at a scale of 2, the
        // icon drawn at twice the size.
        EXPECT_EQ(shown.GetWidth(), shown.GetLogicalWidth() * icon->GetContentScaleFactor());

        const wxRect frame = owner->GetScreenRect();
        const wxRect rect = about.GetScreenRect();
        const wxPoint centre(rect.x + rect.width / 2, rect.y + rect.height / 2);
        const wxPoint frameCentre(frame.x + frame.width / 2, frame.y + frame.height / 2);
        EXPECT_NEAR(centre.x, frameCentre.x, 2);
        EXPECT_NEAR(centre.y, frameCentre.y, 2);

        ClickButton(about, wxID_OK);
        EXPECT_FALSE(about.IsShown());
    }));
}

}  // namespace

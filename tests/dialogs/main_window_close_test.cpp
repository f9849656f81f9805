// The main window told to close (the program asked to end) while dialogs
// or message boxes are open over it: they end first, innermost first, and
// the close goes through only once their openers have returned.
#include "DialogIds.h"
#include "DialogTestKit.h"
#include "LocationDlg.h"
#include "SettingsDlg.h"
#include "TabbedListBox.h"

#include <gtest/gtest.h>

namespace {

using MainWindowCloseTest = DialogTest;

// Expects a message box. Where a user would now see it, the main window is
// told to close; the code the box then ends with goes to *code.
class CloseWhileTheMessageWaits
    : public wxExpectModalBase<wxGenericMessageDialog, CloseWhileTheMessageWaits> {
public:
    CloseWhileTheMessageWaits(wxWindow& window, int* code) : mainWindow(window), answer(code) {}

protected:
    int OnInvoked(wxGenericMessageDialog* box) const override
    {
        mainWindow.Close(true);
        *answer = box->GetReturnCode();
        return *answer;
    }

private:
    wxWindow& mainWindow;
    int* answer;
};

TEST_F(MainWindowCloseTest, OpenDialogsEndBeforeTheMainWindowCloses)
{
    // Bound first, so it runs only when no dialog holds the close back; it
    // stands in for the frame's own close, which would destroy it.
    int closes = 0;
    owner->Bind(wxEVT_CLOSE_WINDOW, [&closes](wxCloseEvent&) { ++closes; });

    CSettingsDlg settings(owner);
    int settingsCode = 0;
    wxTEST_DIALOG(settingsCode = settings.ShowModal(),
                  ExpectDialog<CSettingsDlg>([&](CSettingsDlg& dialog) {
                      ClickButton(dialog, kIdChooseCity);
                      // The picker has ended; the settings dialog ends next.
                      EXPECT_EQ(closes, 0);
                      EXPECT_TRUE(dialog.IsShown());
                      Settle();
                      EXPECT_FALSE(dialog.IsShown());
                      EXPECT_EQ(closes, 0);
                  }),
                  ExpectDialog<CLocationDlg>([&](CLocationDlg& picker) {
                      picker.listBox->SetSelection(0);
                      owner->Close(true);
                      EXPECT_FALSE(picker.IsShown());
                      EXPECT_EQ(picker.chosenRow, "");
                  }));
    EXPECT_EQ(settingsCode, wxID_CANCEL);
    EXPECT_EQ(settings.fields.city, "");  // nothing was read
    EXPECT_EQ(closes, 0);
    Settle();
    EXPECT_EQ(closes, 1);
}

TEST_F(MainWindowCloseTest, AMessageOverADialogEndsFirstThenTheDialog)
{
    int closes = 0;
    owner->Bind(wxEVT_CLOSE_WINDOW, [&closes](wxCloseEvent&) { ++closes; });

    CSettingsDlg settings(owner);
    settings.fields.longitudeDegrees = 200;  // rejected at OK
    int settingsCode = 0;
    int boxCode = 0;
    wxTEST_DIALOG(settingsCode = settings.ShowModal(),
                  ExpectDialog<CSettingsDlg>([&](CSettingsDlg& dialog) {
                      ClickButton(dialog, wxID_OK);
                      // The message has ended; the settings dialog ends next.
                      EXPECT_EQ(boxCode, wxID_OK);
                      EXPECT_TRUE(dialog.IsShown());
                      EXPECT_EQ(closes, 0);
                      Settle();
                      EXPECT_FALSE(dialog.IsShown());
                      EXPECT_EQ(closes, 0);
                  }),
                  CloseWhileTheMessageWaits(*owner, &boxCode));
    EXPECT_EQ(settingsCode, wxID_CANCEL);
    EXPECT_EQ(closes, 0);
    Settle();
    EXPECT_EQ(closes, 1);
}

}  // namespace

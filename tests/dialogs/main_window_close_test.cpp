// The main window told to close (the program asked to end) while dialogs
// are open over it: they end first, innermost first, and the close goes
// through only once their openers have returned.
#include "DialogIds.h"
#include "DialogTestKit.h"
#include "LocationDlg.h"
#include "SettingsDlg.h"
#include "TabbedListBox.h"

#include <gtest/gtest.h>

namespace {

using MainWindowCloseTest = DialogTest;

TEST_F(MainWindowCloseTest, OpenDialogsEndBeforeTheMainWindowCloses)
{
    // Bound first, so it runs only when no dialog holds the close back; it
    // stands in for the frame's own close, which would destroy it.
    int closes = 0;
    owner_->Bind(wxEVT_CLOSE_WINDOW, [&closes](wxCloseEvent&) { ++closes; });

    CSettingsDlg settings(owner_);
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
                      owner_->Close(true);
                      EXPECT_FALSE(picker.IsShown());
                      EXPECT_EQ(picker.chosenRow, "");
                  }));
    EXPECT_EQ(settingsCode, wxID_CANCEL);
    EXPECT_EQ(settings.fields.city, "");  // nothing was read
    EXPECT_EQ(closes, 0);
    Settle();
    EXPECT_EQ(closes, 1);
}

}  // namespace

// The GUI test main's guards: what would leave a test waiting for a user
// fails the running test at once instead.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <wx/debug.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>

namespace {

TEST(GuiTestMainTest, UnexpectedModalDialogFailsTheTestAndEndsWithCancel)
{
    EXPECT_NONFATAL_FAILURE(
        {
            wxDialog stray(nullptr, wxID_ANY, "Stray");
            EXPECT_EQ(stray.ShowModal(), wxID_CANCEL);
        },
        "unexpected modal dialog \"Stray\"");
    EXPECT_NONFATAL_FAILURE(wxMessageBox("Nobody expects this box"), "unexpected modal dialog");
}

TEST(GuiTestMainTest, FailedToolkitAssertionFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("broken promise"), "broken promise");
}

}  // namespace

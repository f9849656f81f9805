// The main() of every GUI test executable: runs the tests inside a wx
// application on the display ($DISPLAY; ctest's runs are put on Xvfb when
// there is none).
//
// Listing the tests (--gtest_list_tests, which ctest runs to learn them)
// opens no display, so the tests can be listed on a machine without one.
// A failed wx assertion fails the running test instead of opening a box, and
// a modal dialog that no test expected fails it and is answered with Cancel
// instead of waiting for a user who never comes.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/modalhook.h>

#include <cstdlib>

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assertion in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

// Registered first, so it is consulted after the hooks of wx/testing.h that
// a test registers with wxTEST_DIALOG: it sees only the dialogs no test
// expected.
class RefuseUnexpectedDialogs : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override
    {
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_string() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();  // prints the names and runs nothing
    }
    // Sounds go nowhere: no test plays on the machine's speakers.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    wxApp::SetInstance(new wxApp);  // owned by wx until wxEntryCleanup
    if (!wxEntryStart(argc, argv)) {
        return 1;
    }
    wxTheApp->CallOnInit();
    wxTheApp->SetAppName("Vellmor");
    wxTheApp->SetAppDisplayName("Vellmor");
    wxInitAllImageHandlers();
    wxSetAssertHandler(FailOnAssert);
    RefuseUnexpectedDialogs refuseUnexpected;
    refuseUnexpected.Register();
    const int result = RUN_ALL_TESTS();
    refuseUnexpected.Unregister();
    wxEntryCleanup();
    return result;
}

// Runs the dialog tests inside a wx application on the display ($DISPLAY,
// Xvfb under ctest). A failed wx assertion, such as an expected dialog that
// never came, fails the running test instead of opening a box.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/modalhook.h>

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assertion in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

// Consulted after wx's testing hook: a modal dialog that no test expected
// fails the test and is answered with Cancel instead of waiting for a user.
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

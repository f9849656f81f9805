#include "VellmorApp.h"

#include "AboutCommand.h"
#include "ClockPlatform.h"
#include "InstanceGuard.h"
#include "MainFrame.h"
#include "MenuIds.h"
#include "RegistrationSwitches.h"
#include "VellmorDoc.h"
#include "VellmorDocManager.h"
#include "VellmorView.h"

#include <wx/docview.h>
#include <wx/image.h>

#include <csignal>
#include <string>

wxIMPLEMENT_APP_NO_MAIN(CVellmorApp);

namespace {

bool IsServerSwitch(const wxString& arg)
{
    if (arg.length() < 2 || (arg[0] != '-' && arg[0] != '/')) {
        return false;
    }
    const wxString name = arg.Mid(1);
    return name.CmpNoCase("Embedding") == 0 || name.CmpNoCase("Automation") == 0;
}

}  // namespace

CVellmorApp::CVellmorApp()
{
    SetAppName("Vellmor");
    SetAppDisplayName("Vellmor");
}

CVellmorApp::~CVellmorApp() = default;

bool CVellmorApp::OnInit()
{
    // A second copy ends at once, showing nothing, with status 0 (OnRun).
    instanceGuard_ = std::make_unique<InstanceGuard>();
    if (instanceGuard_->AnotherCopyIsRunning()) {
        endAtOnce_ = true;
        return true;
    }

    wxInitAllImageHandlers();
    SetSignalHandler(SIGTERM, &CVellmorApp::OnTerminateSignal);
    SetSignalHandler(SIGINT, &CVellmorApp::OnTerminateSignal);

    docManager_ = std::make_unique<VellmorDocManager>();
    new wxDocTemplate(docManager_.get(), "Vellmor", "*.*", "", "", "Vellmor Document",
                      "Vellmor View", wxCLASSINFO(CVellmorDoc), wxCLASSINFO(CVellmorView));
    docManager_->SetMaxDocsOpen(1);

    for (int i = 1; i < argc; ++i) {
        if (IsServerSwitch(argv[i])) {
            // Started as a server: the loop runs without a window until the
            // process is told to quit.
            SetExitOnFrameDelete(false);
            return true;
        }
    }

    auto* frame = new CMainFrame(docManager_.get(), GetAppDisplayName());  // owned by wx
    SetTopWindow(frame);
    Bind(wxEVT_MENU, &CVellmorApp::OnAbout, this, ToMenuId(kCmdAbout));

    wxDocument* doc = nullptr;
    if (argc > 1) {
        doc = docManager_->CreateDocument(argv[1], wxDOC_SILENT);
    } else {
        doc = docManager_->CreateNewDocument();
    }
    if (!doc) {
        frame->Destroy();
        return false;
    }
    frame->Show(true);
    frame->Update();
    return true;
}

int CVellmorApp::OnRun()
{
    if (endAtOnce_) {
        return 0;
    }
    return wxApp::OnRun();
}

int CVellmorApp::OnExit()
{
    docManager_.reset();
    instanceGuard_.reset();
    return wxApp::OnExit();
}

void CVellmorApp::OnAbout(wxCommandEvent&)
{
    ShowAboutBox(GetTopWindow());
}

void CVellmorApp::OnTerminateSignal(int)
{
    // Runs from the event loop, not inside the signal: closing the window
    // saves the settings as an ordinary exit does.
    if (wxWindow* top = wxTheApp->GetTopWindow()) {
        top->Close(true);
    } else {
        wxTheApp->ExitMainLoop();  // a server run without a window
    }
    // The loop may be asleep with no timer left: wake it so that the closed
    // window is deleted and the loop ends.
    wxWakeUpIdle();
}

int main(int argc, char** argv)
{
    // Registration switches come first and need no display: there is no
    // registry to write here, so they end the program at once.
    std::string commandLine;
    for (int i = 0; i < argc; ++i) {
        commandLine += (i ? " " : "") + std::string(argv[i]);
    }
    if (FindRegistrationSwitch(commandLine) != RegistrationRequest::None) {
        return 0;
    }
    return wxEntry(argc, argv);
}

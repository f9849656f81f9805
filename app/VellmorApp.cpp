#include "VellmorApp.h"

#include "AboutCommand.h"
#include "ClockPlatform.h"
#include "FileSystem.h"
#include "InstanceGuard.h"
#include "MainFrame.h"
#include "MenuCommands.h"
#include "Registration.h"
#include "RegistrationSwitches.h"
#include "SessionEnd.h"
#include "StartupArguments.h"
#include "UserText.h"
#include "VellmorDoc.h"
#include "VellmorDocManager.h"
#include "VellmorVersion.h"
#include "VellmorView.h"

#include <wx/docview.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include <iostream>
#include <string>
#include <vector>

wxIMPLEMENT_APP_NO_MAIN(CVellmorApp);

namespace {

// Status of a start that could not open the file it was given.
constexpr int kExitCannotOpen = 1;
// Status of a start with an option nobody takes.
constexpr int kExitBadOption = 2;
// Status of a run whose settings could not be saved at the end.
constexpr int kExitSaveFailed = 1;

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
    instanceGuard = std::make_unique<InstanceGuard>();
    if (instanceGuard->AnotherCopyIsRunning()) {
        exitAtOnce = 0;
        return true;
    }

    // main() has answered --help, --version and bad options; the toolkit has
    // taken its own options out of argv since.
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(argv[i].utf8_string());
    }
    const StartupRequest request = ParseStartupArguments(args);
    const wxString file = wxString::FromUTF8(request.file);
    // A file that cannot be opened ends the program before any window or
    // settings exist, with the framework's message and a failure status.
    if (!file.empty() && !CVellmorDoc::CanOpen(file)) {
        wxMessageBox(wxString::Format(_("File \"%s\" could not be opened for reading."), file),
                     GetAppDisplayName(), wxOK | wxICON_ERROR);
        exitAtOnce = kExitCannotOpen;
        return true;
    }

    wxInitAllImageHandlers();
    // The ways a desktop session ends save the settings, as an ordinary
    // exit does.
    WatchSessionEnd(*this, [this] { SaveSettingsNow(); });

    docManager = std::make_unique<VellmorDocManager>();
    new wxDocTemplate(docManager.get(), "Vellmor", "*.*", "", "", "Vellmor Document",
                      "Vellmor View", wxCLASSINFO(CVellmorDoc), wxCLASSINFO(CVellmorView));
    docManager->SetMaxDocsOpen(1);

    if (request.action == StartupAction::RunServer) {
        // Started as a server: the loop runs without a window until the
        // process is told to quit.
        SetExitOnFrameDelete(false);
        return true;
    }

    auto* frame = new CMainFrame(docManager.get(), GetAppDisplayName());  // owned by wx
    SetTopWindow(frame);
    Bind(wxEVT_MENU, &CVellmorApp::OnAbout, this, MenuIdOf(ClockCommand::About));

    frame->HoldRaises(request.hidden);
    wxDocument* doc = file.empty() ? docManager->CreateNewDocument()
                                   : docManager->CreateDocument(file, wxDOC_SILENT);
    if (!doc) {
        frame->Destroy();
        return false;
    }
    for (wxView* view : doc->GetViewsVector()) {
        if (auto* clock = dynamic_cast<CVellmorView*>(view)) {
            clockView = clock;
        }
    }
    if (clockView) {
        clockView->OnSaveFailureAtClose([this](const std::string& path, const std::string& reason) {
            ReportSaveFailure(path, reason);
            saveFailedAtClose = true;
        });
    }
    frame->HoldRaises(false);
    // Hidden only where the panel has the item to bring the window back.
    if (request.hidden && clockView && clockView->InPanel()) {
        return true;
    }
    frame->Show(true);
    frame->Update();
    return true;
}

int CVellmorApp::OnRun()
{
    if (exitAtOnce) {
        return *exitAtOnce;
    }
    const int status = wxApp::OnRun();
    return saveFailedAtClose ? kExitSaveFailed : status;
}

int CVellmorApp::OnExit()
{
    // Nothing may hold a program that is ending: from here on, whatever the
    // toolkit has to say goes to stderr, not into a box that waits for OK.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    docManager.reset();
    instanceGuard.reset();
    return wxApp::OnExit();
}

void CVellmorApp::OnAbout(wxCommandEvent&)
{
    ShowAboutBox(GetTopWindow());
}

void CVellmorApp::SaveSettingsNow()
{
    if (!clockView) {
        return;  // no clock, or its window has closed and saved already
    }
    const WriteOutcome saved = clockView->SaveSettings();
    if (!saved) {
        ReportSaveFailure(clockView->Controller().Settings().iniPath, saved.reason);
    }
}

void CVellmorApp::ReportSaveFailure(const std::string& path, const std::string& reason) const
{
    std::string program = argc > 0 ? argv[0].utf8_string() : std::string("vellmor");
    program.erase(0, program.find_last_of(kPathSeparators) + 1);
    std::cerr << program << ": the settings could not be saved to " << path << ": " << reason
              << std::endl;
}

int main(int argc, char** argv)
{
    // Registration switches come first and need no display; they end the
    // program with status 0 whatever the registry said.
    const RegistrationRequest registration = RequestedRegistration(argc, argv);
    if (registration != RegistrationRequest::None) {
        CarryOutRegistration(registration);
        return 0;
    }
    // Answers that need no display, before the toolkit opens one.
    std::string program = argc > 0 ? argv[0] : "vellmor";
    program.erase(0, program.find_last_of(kPathSeparators) + 1);
    const StartupRequest request =
        ParseStartupArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (request.action) {
    case StartupAction::ShowHelp:
        ShowUserText(StartupUsage(program), false);
        return 0;
    case StartupAction::ShowVersion:
        ShowUserText(std::string("Vellmor ") + VELLMOR_VERSION_STRING + "\n", false);
        return 0;
    case StartupAction::RejectOption:
        ShowUserText(program + ": unknown option " + request.option + " (see --help)\n", true);
        return kExitBadOption;
    case StartupAction::RunClock:
    case StartupAction::RunServer:
        break;
    }
    return wxEntry(argc, argv);
}

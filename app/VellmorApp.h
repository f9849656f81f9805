#pragma once

#include "VellmorView.h"

#include <wx/app.h>
#include <wx/weakref.h>

#include <memory>
#include <optional>
#include <string>

class InstanceGuard;
class wxDocManager;

// Starts and ends the program: one copy at a time, the document/view
// machinery with the clock window (whose view owns the sound player), and
// saving the settings when the program is told to end.
class CVellmorApp : public wxApp {
public:
    CVellmorApp();
    ~CVellmorApp() override;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

private:
    void OnAbout(wxCommandEvent& event);
    // Saves the clock's settings now, if a clock window exists.
    void SaveSettingsNow();
    // One line on stderr: the settings file that could not be written at
    // the end, and why.
    void ReportSaveFailure(const std::string& path, const std::string& reason) const;

    // Set when start-up ends the program without running the loop: the
    // process's exit status (0 for a second copy).
    std::optional<int> exitAtOnce;
    // Set when the save at the window's close failed: the exit status is then
    // kExitSaveFailed.
    bool saveFailedAtClose = false;
    std::unique_ptr<InstanceGuard> instanceGuard;
    std::unique_ptr<wxDocManager> docManager;
    // The clock's view, while its window is open: the end of the session
    // saves through it.
    wxWeakRef<CVellmorView> clockView;
};

wxDECLARE_APP(CVellmorApp);

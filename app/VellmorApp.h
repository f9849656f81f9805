#pragma once

#include <wx/app.h>

#include <memory>

class InstanceGuard;
class wxDocManager;

// Starts and ends the program: one copy at a time, the document/view
// machinery with the clock window, and the sound player the view uses.
class CVellmorApp : public wxApp {
public:
    CVellmorApp();
    ~CVellmorApp() override;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

private:
    void OnAbout(wxCommandEvent& event);
    static void OnTerminateSignal(int signal);

    bool endAtOnce_ = false;  // a second copy: no window, status 0
    std::unique_ptr<InstanceGuard> instanceGuard_;
    std::unique_ptr<wxDocManager> docManager_;
};

wxDECLARE_APP(CVellmorApp);

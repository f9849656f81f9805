#include "SessionEnd.h"

#include "DisplayConnection.h"

#include <wx/app.h>
#include <wx/window.h>

#include <csignal>
#include <utility>

namespace {

void OnTerminateSignal(int)
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

}  // namespace

void WatchSessionEnd(wxApp& app, std::function<void()> saveNow)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        app.SetSignalHandler(signal, &OnTerminateSignal);
    }
    std::signal(SIGXFSZ, SIG_IGN);
    OnDisplayConnectionLost(std::move(saveNow));
}

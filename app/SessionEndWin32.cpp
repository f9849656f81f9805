#include "SessionEnd.h"

#include <wx/app.h>

#include <utility>

void WatchSessionEnd(wxApp& app, std::function<void()> saveNow)
{
    // The toolkit answers the end of the session by destroying the windows
    // and ending the process; the settings are saved before that, as the
    // close box saves them. Skip() lets the toolkit's handling go on.
    app.Bind(wxEVT_END_SESSION, [save = std::move(saveNow)](wxCloseEvent& event) {
        save();
        event.Skip();
    });
}

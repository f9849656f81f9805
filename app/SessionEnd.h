#pragma once

#include <functional>

class wxApp;

// Makes the end of the desktop session end the clock the way its close box
// does, so the settings are saved; one implementation per system. Call once
// from OnInit, after the toolkit has opened the display.
//
// POSIX (SessionEndUnix.cpp): SIGTERM, SIGINT and SIGHUP close the window;
// when the connection to the X server breaks, saveNow runs before the
// toolkit ends the process. SIGXFSZ is ignored: a file-size limit then fails
// a save the way a full disk does, which the clock reports, instead of
// ending the clock on the spot.
// Windows (SessionEndWin32.cpp): the end-of-session message runs saveNow
// before the toolkit's own handling, which destroys the windows and exits.
void WatchSessionEnd(wxApp& app, std::function<void()> saveNow);

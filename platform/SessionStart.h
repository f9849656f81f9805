#pragma once

#include "AtomicFile.h"

#include <string>

// Whether the user's session starts the program at login, kept where the
// system keeps such things: a desktop entry in the XDG autostart folder
// (SessionStartXdg.cpp), a value of the user's Run key in the registry
// (SessionStartWin32.cpp). The session starts the program with --hidden.

// Where the switch is kept, for a message: the entry's path, or the registry
// key and value. Empty on POSIX when no configuration folder is known.
std::string SessionStartPlace();

// Whether the session starts the program: the entry is there and not
// switched off by another desktop (Hidden=true), or the registry value is.
bool SessionStartsProgram();

// Makes the session start the running executable, as "PATH --hidden", or no
// longer start it (the entry or value removed; already absent is success).
// Fails with the system's reason; nothing is left half written.
WriteOutcome SetSessionStartsProgram(bool on);

#pragma once

#include "RegistrationSwitches.h"

#include <string>

// The system side of the registration switches; one implementation per
// system. On Windows (RegistrationWin32.cpp) the program's AppID entries are
// written to or removed from HKEY_CLASSES_ROOT; on systems without a
// registry (RegistrationNone.cpp) there is nothing to do.

// The whole command line as the system hands it to the program, program
// path included (Windows keeps it as one text; elsewhere the arguments are
// joined with blanks).
std::string WholeCommandLine(int argc, char** argv);

// Carries out a request other than None. Failures are silent: the caller
// ends the program with status 0 whatever happened.
void CarryOutRegistration(RegistrationRequest request);

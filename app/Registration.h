#pragma once

#include "RegistrationSwitches.h"

#include <string>

// The system side of the registration switches; one implementation per
// system. On Windows (RegistrationWin32.cpp) the program's AppID entries are
// written to or removed from HKEY_CLASSES_ROOT; on systems without a
// registry (RegistrationNone.cpp) there is nothing to do.

// The registration switch the program was started with, if any. Windows
// keeps the command line as one text, and the switch is looked for in all of
// it, program path included (FindRegistrationSwitch); elsewhere the
// arguments come one by one and only a whole last argument counts
// (FindRegistrationArgument).
RegistrationRequest RequestedRegistration(int argc, char** argv);

// Carries out a request other than None. Failures are silent: the caller
// ends the program with status 0 whatever happened.
void CarryOutRegistration(RegistrationRequest request);

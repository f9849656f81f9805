#pragma once

#include <string>

enum class RegistrationRequest { None, Register, Unregister };

// Looks for "RegServer" or "UnregServer" (any case) after a "-" or "/" in the
// whole command line, program path included. A switch counts only as the very
// end of the line: at each "-" or "/" the rest of the line is compared whole,
// "UnregServer" before "RegServer".
RegistrationRequest FindRegistrationSwitch(const std::string& commandLine);

#pragma once

#include <string>
#include <vector>

enum class RegistrationRequest { None, Register, Unregister };

// Looks for "RegServer" or "UnregServer" (any case) after a "-" or "/" in the
// whole command line, program path included. A switch counts only as the very
// end of the line: at each "-" or "/" the rest of the line is compared whole,
// "UnregServer" before "RegServer".
RegistrationRequest FindRegistrationSwitch(const std::string& commandLine);

// The same switches among arguments that the system hands over one by one
// (argv[1..] on POSIX systems): only a whole argument counts, "/RegServer" or
// "-RegServer", "/UnregServer" or "-UnregServer" in any case, and only as the
// last argument, the end of the line. A file whose name ends so
// ("/tmp/regserver") is a file.
RegistrationRequest FindRegistrationArgument(const std::vector<std::string>& args);

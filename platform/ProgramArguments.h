#pragma once

#include <string>
#include <vector>

// The program's arguments after its own name, as UTF-8 text whatever the
// system's code page: POSIX systems pass argv on as it is
// (ProgramArgumentsPosix.cpp); Windows takes them from the wide command line
// (ProgramArgumentsWin32.cpp), since its char argv holds only what the ANSI
// code page can say.
std::vector<std::string> ProgramArguments(int argc, char** argv);

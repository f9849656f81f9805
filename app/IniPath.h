#pragma once

#include <string>

// The settings file of an executable: in its directory, with its base name
// and the extension ".ini" in place of its own ("/opt/vellmor/vellmor" ->
// "/opt/vellmor/vellmor.ini"). A name whose only dot leads it has no
// extension.
std::string IniPathForExecutable(const std::string& executablePath);

// The full path of the running executable, from /proc/self/exe; empty when it
// cannot be read.
std::string RunningExecutablePath();

// Where the running program keeps its settings. An executable renamed or
// copied under another name thus uses a file of its own.
std::string DefaultIniPath();

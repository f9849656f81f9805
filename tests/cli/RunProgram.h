#pragma once

#include <string>

// Result of running vellmor-toki as a separate process.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built vellmor-toki with the given shell-quoted arguments.
ProgramRun RunToki(const std::string& args);

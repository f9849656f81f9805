#pragma once

#include <string>
#include <vector>

// What the program's arguments (argv[1..]) ask for, by the conventions of a
// Linux command line. The registration switches that end the whole line are
// looked for before this (RegistrationSwitches.h).
enum class StartupAction {
    RunClock,      // the clock window; `file` is the document named, if any
    RunServer,     // "-Embedding" or "-Automation": the loop runs without a window
    ShowHelp,      // --help
    ShowVersion,   // --version
    RejectOption,  // an option nobody takes; `option` is the argument as given
};

struct StartupRequest {
    StartupAction action = StartupAction::RunClock;
    std::string file;    // RunClock: the first file named; empty for none
    std::string option;  // RejectOption: the offending argument
    bool hidden = false; // --hidden: no window while the clock is in the panel
};

// Reads the arguments from left to right; --help, --version and an unknown
// option decide at once; --hidden only sets its flag. An argument that starts
// with "-" is an option, except "-" itself; after "--" every argument is a
// file. "/" starts an absolute path, except for the switches named below. A
// registration switch ("RegServer", "UnregServer" after "-" or "/", any case)
// that is not the end of the line, or is followed by blanks, is passed over:
// the clock starts as if it were not there. The toolkit's own options
// (--display=:1, --name NAME, ...) are passed over too; the toolkit takes them
// when it starts.
StartupRequest ParseStartupArguments(const std::vector<std::string>& args);

// The text --help prints; program is the name the user typed.
std::string StartupUsage(const std::string& program);

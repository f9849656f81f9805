#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// vellmor-toki: prints the toki table of one day for one place.
struct TokiCliOptions {
    bool hasDate = false;
    int year = 0, month = 0, day = 0;
    // North and east positive; both parts carry the angle's sign, so that
    // degrees + minutes / 60 is the angle (-0:07 is 0 and -7). The default
    // is the clock's default place.
    int latDegrees = 35, latMinutes = 27;
    int lonDegrees = 139, lonMinutes = 39;
    int timeDiffHours = 9;
    bool hasWhen = false;  // --when: print the clock time of a moment only
    int whenToki = 0, whenOffset = 0;
    bool hasAt = false;
    int atHour = 0, atMinute = 0;
    bool plain = false;
    bool json = false;
    bool listCities = false;  // --cities: print the built-in city table
    bool help = false;
    bool version = false;
};

// Parses argv[1..]; on failure returns false and sets error to one line naming
// the offending argument.
bool ParseTokiCliOptions(const std::vector<std::string>& args, TokiCliOptions& options,
                         std::string& error);

// Runs the program: writes the table to out, errors to err; returns the exit
// status (0, or 2 for bad input).
int RunTokiCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

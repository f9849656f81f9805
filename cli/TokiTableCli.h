#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// vellmor-toki: prints the toki table of one day for one place, with the
// day's traditional calendar; or a year's 節気 and moon phases, or an
// iCalendar file of them (CalendarCli.h).
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
    // --terms YEAR: the year's 節気, 朔 and 望 instead of the day's table.
    bool hasTermsYear = false;
    int termsYear = 0;
    // --ics FROM TO: an iCalendar file of those dates; --toki adds the toki.
    bool hasIcs = false;
    int icsFromYear = 0, icsFromMonth = 0, icsFromDay = 0;
    int icsToYear = 0, icsToMonth = 0, icsToDay = 0;
    bool icsToki = false;
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

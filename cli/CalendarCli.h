#pragma once

#include <iosfwd>
#include <string>

struct TokiCliOptions;

// vellmor-toki's traditional calendar: the day's 旧暦, 節気, 候, 雑節 and
// moon age beside its toki table, the year's terms and moon phases
// (--terms), and an iCalendar file of a span of days (--ics). Times are the
// place's clock times, cut down to the minute.

// Lines appended to the day's table, after a blank line; nothing for a
// date outside the calendar's years.
void PrintCalendarOfDay(int year, int month, int day, int offsetMinutes, std::ostream& out);

// The members "lunar", "term", "ko", "zassetsu" and "moon_age" of the day's
// JSON object, each on a line of its own after ",\n"; null values outside
// the calendar's years.
std::string CalendarOfDayJson(int year, int month, int day, int offsetMinutes);

// --terms YEAR: the 24 節気 and every 朔 and 望 of the place's year.
void PrintTermsOfYear(int year, int offsetMinutes, bool json, std::ostream& out);

// --ics FROM TO [--toki]: the 節気, 雑節, 朔 and 望 of the place's dates
// FROM to TO, and with --toki each day's 明六つ and 暮六つ. dtstamp is the
// moment the file is made, "YYYYMMDDTHHMMSSZ".
void WriteIcs(const TokiCliOptions& options, const std::string& dtstamp, std::ostream& out);

#pragma once

#include <string>

struct CivilDate;

// Pieces of an iCalendar file (RFC 5545).

// A content line as the file holds it: folded after at most 75 octets (never
// inside a UTF-8 character), each piece ended by CR LF.
std::string IcsLine(const std::string& line);

// TEXT value: backslash, semicolon, comma and line breaks escaped.
std::string IcsEscape(const std::string& text);

// A DATE-TIME in UTC to the minute, cut down like every time we print:
// "20241221T092000Z".
std::string IcsUtcMinute(double jdUt);

// The same for a whole minute of the place's clock on a day (CivilDay.h),
// counted from its midnight (negative, or 1440 and more, on the days
// around it): exact, with no rounding of a day fraction.
std::string IcsUtcMinuteOfDay(int dayNumber, int minuteOfDay, int offsetMinutes);

// A DATE: "20241221".
std::string IcsDate(const CivilDate& date);

#pragma once

#include <ctime>

// Seconds since 1970-01-01 00:00 UTC of a broken-down UTC time, as POSIX
// timegm() gives them, for systems without it (Windows). Fields must be in
// their normal ranges; tm_wday, tm_yday and tm_isdst are ignored.
inline std::time_t UtcSeconds(const std::tm& tm)
{
    // Days from the civil date (proleptic Gregorian), counting years from
    // March so that the leap day comes last.
    const long long year = tm.tm_year + 1900LL - (tm.tm_mon < 2 ? 1 : 0);
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long month = tm.tm_mon + 1;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + tm.tm_mday - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = era * 146097 + dayOfEra - 719468;
    return static_cast<std::time_t>(days * 86400 + tm.tm_hour * 3600LL + tm.tm_min * 60LL + tm.tm_sec);
}

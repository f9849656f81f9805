#pragma once

#include "ClockSource.h"
#include "UtcSeconds.h"

#include <ctime>

// Wall-clock readings of the tests as seconds since 1970, taken as UTC so
// that no time zone shifts them, and back. The microseconds are dropped.
inline std::time_t EpochOf(const LocalTime& t)
{
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    return UtcSeconds(tm);
}

inline LocalTime LocalTimeAtEpoch(std::time_t t)
{
    std::tm tm{};
    gmtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

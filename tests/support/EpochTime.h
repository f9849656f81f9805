#pragma once

#include "ClockSource.h"

#include <ctime>

// Wall-clock readings of the tests as seconds since 1970, taken as UTC so
// that no time zone shifts them, and back. The microseconds are dropped.
// The clock's own count of local seconds serves: it is that arithmetic.
inline std::time_t EpochOf(const LocalTime& t)
{
    return static_cast<std::time_t>(LocalSecondCount(t));
}

inline LocalTime LocalTimeAtEpoch(std::time_t t)
{
    return LocalTimeOfSecondCount(static_cast<long long>(t));
}

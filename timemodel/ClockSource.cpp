#include "ClockSource.h"

#include <ctime>

LocalTime SystemClockSource::Now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    LocalTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    return t;
}

std::shared_ptr<const ClockSource> SystemClock()
{
    static const auto instance = std::make_shared<const SystemClockSource>();
    return instance;
}

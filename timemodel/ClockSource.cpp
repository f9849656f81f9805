#include "ClockSource.h"

#include <chrono>
#include <ctime>

namespace {

// The system clock as whole seconds since the epoch and the microseconds
// into the current one.
struct WallReading {
    std::time_t second;
    int microsecond;
};

WallReading ReadWallClock()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<microseconds>(system_clock::now().time_since_epoch());
    const auto whole = floor<seconds>(sinceEpoch);
    return {static_cast<std::time_t>(whole.count()),
            static_cast<int>((sinceEpoch - whole).count())};
}

}  // namespace

LocalTime SystemClockSource::Now() const
{
    const WallReading now = ReadWallClock();
    // Breaking the time down costs more than the rest of a clock's tick, and
    // its result changes once a second; the tick reads it four times.
    thread_local std::time_t lastSecond = -1;
    thread_local LocalTime last;
    if (now.second != lastSecond) {
        std::tm tm{};
        localtime_r(&now.second, &tm);
        last.year = tm.tm_year + 1900;
        last.month = tm.tm_mon + 1;
        last.day = tm.tm_mday;
        last.hour = tm.tm_hour;
        last.minute = tm.tm_min;
        last.second = tm.tm_sec;
        lastSecond = now.second;
    }
    LocalTime t = last;
    t.microsecond = now.microsecond;
    return t;
}

int SystemClockSource::MicrosecondOfSecond() const
{
    // Local time differs from UTC by whole minutes: the fraction is the same.
    return ReadWallClock().microsecond;
}

std::shared_ptr<const ClockSource> SystemClock()
{
    static const auto instance = std::make_shared<const SystemClockSource>();
    return instance;
}

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

// Days from 1970-01-01 to the given civil date (H. Hinnant's
// days_from_civil: eras of 400 years, March-based years).
long long DaysFromCivil(int year, int month, int day)
{
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;                                   // 0..399
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;  // 0..365
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Floor division for counts that may lie before 1970.
long long FloorDiv(long long a, long long b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

LocalTime LocalTimeOfSecondCount(long long count)
{
    // H. Hinnant's civil_from_days, the inverse of DaysFromCivil.
    const long long days = FloorDiv(count, 86400) + 719468;
    const long long secondOfDay = count - FloorDiv(count, 86400) * 86400;
    const long long era = FloorDiv(days, 146097);
    const long long dayOfEra = days - era * 146097;                                   // 0..146096
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0..399
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;                                   // 0..11, March first
    LocalTime t;
    t.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yearOfEra + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = static_cast<int>(secondOfDay / 3600);
    t.minute = static_cast<int>(secondOfDay / 60 % 60);
    t.second = static_cast<int>(secondOfDay % 60);
    return t;
}

long long LocalSecondCount(const LocalTime& t)
{
    return DaysFromCivil(t.year, t.month, t.day) * 86400LL + t.hour * 3600LL + t.minute * 60LL +
           t.second;
}

LocalTime SystemClockSource::Now() const
{
    const WallReading now = ReadWallClock();
    // Breaking the time down costs more than the rest of a clock's tick, and
    // its result changes once a second; the tick reads it four times.
    thread_local std::time_t lastSecond = -1;
    thread_local LocalTime last;
    thread_local std::time_t lastMinute = -1;
    if (now.second != lastSecond) {
        // Once a minute the zone is read again: a traveller's laptop may have
        // changed it, and localtime_r alone never looks.
        if (now.second / 60 != lastMinute) {
            tzset();
            lastMinute = now.second / 60;
        }
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

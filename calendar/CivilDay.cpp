#include "CivilDay.h"

#include <cmath>

namespace {

constexpr double kMinutesPerDay = 1440.0;

// Integer division rounding toward minus infinity.
int FloorDiv(int a, int b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

// Days from the proleptic Gregorian calendar's rule: a year of March to
// February puts the leap day last, so each month's length follows from
// (153 * m + 2) / 5.
int DayNumberOf(const CivilDate& date)
{
    const int a = date.month <= 2 ? 1 : 0;
    const int y = date.year + 4800 - a;
    const int m = date.month + 12 * a - 3;
    return date.day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) +
           FloorDiv(y, 400) - 32045;
}

CivilDate CivilDateOf(int dayNumber)
{
    const int a = dayNumber + 32044;
    const int b = FloorDiv(4 * a + 3, 146097);
    const int c = a - FloorDiv(146097 * b, 4);
    const int d = FloorDiv(4 * c + 3, 1461);
    const int e = c - FloorDiv(1461 * d, 4);
    const int m = (5 * e + 2) / 153;
    CivilDate date;
    date.day = e - (153 * m + 2) / 5 + 1;
    date.month = m + 3 - 12 * (m / 10);
    date.year = 100 * b + d - 4800 + m / 10;
    return date;
}

int LocalDayNumber(double jdUt, int offsetMinutes)
{
    return static_cast<int>(std::floor(jdUt + 0.5 + offsetMinutes / kMinutesPerDay));
}

double LocalInstant(int dayNumber, double minutesOfDay, int offsetMinutes)
{
    return dayNumber - 0.5 + (minutesOfDay - offsetMinutes) / kMinutesPerDay;
}

LocalMinute LocalMinuteOf(double jdUt, int offsetMinutes)
{
    const double local = jdUt + 0.5 + offsetMinutes / kMinutesPerDay;
    const double day = std::floor(local);
    // Cut down, never rounded: the date stays the one LocalDayNumber gives.
    int minute = static_cast<int>(std::floor((local - day) * kMinutesPerDay));
    if (minute > 1439) {
        minute = 1439;  // a fraction a hair below 1 times 1440
    }
    const int dayNumber = static_cast<int>(day);
    LocalMinute at;
    at.date = CivilDateOf(dayNumber);
    at.hour = minute / 60;
    at.minute = minute % 60;
    return at;
}

int SexagenaryDayIndex(int dayNumber)
{
    // JDN 0 was a 癸丑 day (index 49).
    const int i = (dayNumber + 49) % 60;
    return i < 0 ? i + 60 : i;
}

#pragma once

// Days and instants as the calendar counts them.
//
// A day is its Julian Day Number (JDN): the Julian date of its noon, so
// 2000-01-01 is 2451545. An instant is a Julian date in Universal Time (UT),
// a day count with its fraction. A place's clock is offsetMinutes ahead of UT
// (540 in Japan); its dates are those of its own clock.

struct CivilDate {
    int year = 0;   // proleptic Gregorian, astronomical numbering
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

inline bool operator==(const CivilDate& a, const CivilDate& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// A place's clock reading of an instant, cut to the whole minute (never rounded
// up), so the minute shown always lies on the date the calendar uses.
struct LocalMinute {
    CivilDate date;
    int hour = 0;
    int minute = 0;
};

int DayNumberOf(const CivilDate& date);
CivilDate CivilDateOf(int dayNumber);

// The place's date on which the instant jdUt falls.
int LocalDayNumber(double jdUt, int offsetMinutes);
// The instant at which the place's clock reads minutesOfDay on day dayNumber.
double LocalInstant(int dayNumber, double minutesOfDay, int offsetMinutes);
LocalMinute LocalMinuteOf(double jdUt, int offsetMinutes);

// The day's place in the cycle of sixty (干支): 0 = 甲子, 1 = 乙丑, ...; its
// stem is this mod 10 (4 = 戊) and its branch this mod 12 (1 = 丑).
int SexagenaryDayIndex(int dayNumber);

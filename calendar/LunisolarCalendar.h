#pragma once

#include <string>
#include <vector>

// The 旧暦: the lunisolar calendar by the rule of the last official one, as
// it is computed today. A month begins on the place's date of a 朔. The month
// that holds 冬至 is the 11th, the one that holds 春分 the 2nd, 夏至 the 5th,
// 秋分 the 8th ("holds" by the place's dates). Where four months lie from one
// of these to the next, the first of the three between them without a 中気
// is the leap month, named after the month before it.
//
// Where that rule cannot number the months of a year from one 冬至 month to
// the next (from one to the next of those four months there are only two, as
// in 2033), that year's months are numbered from its 冬至 month alone: in
// order, with the first month without a 中気 as the leap month if the year
// has thirteen. Between 1900 and 2100 this happens only in the year from the
// 冬至 of 2032, and gives the leap 11th month of 2033 that the Japanese
// calendar association recommended in 2015.

struct LunarDate {
    int year = 0;   // the lunar year, named by the Gregorian year its 1st month begins in
    int month = 0;  // 1..12
    bool leap = false;
    int day = 0;    // 1..30
};

inline bool operator==(const LunarDate& a, const LunarDate& b)
{
    return a.year == b.year && a.month == b.month && a.leap == b.leap && a.day == b.day;
}

struct LunarMonth {
    int firstDay = 0;  // the day number (CivilDay.h) of its 1st day
    int year = 0;
    int month = 0;
    bool leap = false;
};

// The months from the one holding the 冬至 of solsticeYear to the one before
// the month holding the next 冬至: twelve, or thirteen with a leap month.
struct SolsticeYear {
    std::vector<LunarMonth> months;
    int nextFirstDay = 0;             // the day the next 11th month begins
    bool numberedFromSolsticeAlone = false;  // the rule could not number them
};

SolsticeYear LunarMonthsOfSolsticeYear(int solsticeYear, int offsetMinutes);

// The 旧暦 date of a day number (CivilDay.h) at a place.
LunarDate LunarDateOf(int dayNumber, int offsetMinutes);

// "旧暦11月21日", "旧暦閏6月3日": without the year, as almanacs and panels
// show it.
std::string LunarDateText(const LunarDate& date);

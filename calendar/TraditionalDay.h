#pragma once

#include "LunisolarCalendar.h"
#include "SolarTerms.h"

#include <string>
#include <vector>

// The traditional calendar of one day at one place, as an almanac prints it.

// The years the calendar is made and checked for. Outside them the
// algorithms still run, with ΔT extrapolated and their accuracy unchecked.
constexpr int kFirstCalendarYear = 1900;
constexpr int kLastCalendarYear = 2100;

struct TraditionalDay {
    LunarDate lunar;
    // The 節気 and the 候 under way at the day's end: those that began on
    // the day or before it. Indices as in SolarTerms.h and SeasonNames.h.
    SolarTerm term;
    SolarTerm ko;
    std::vector<std::string> zassetsu;
    double moonAge = 0.0;  // days from the last 朔 to the place's noon
};

// dayNumber as in CivilDay.h; offsetMinutes: how far the place's clock is
// ahead of UT.
TraditionalDay TraditionalDayOf(int dayNumber, int offsetMinutes);

// Days from the latest 朔 to 12:00 of the place's clock on the day: the
// 正午月齢 of almanacs, which print it to a tenth.
double MoonAgeAtNoon(int dayNumber, int offsetMinutes);

// The moon's age to a tenth of a day, as text: "19.9", "0.0".
std::string MoonAgeText(double moonAge);

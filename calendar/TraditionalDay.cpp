#include "TraditionalDay.h"

#include "CivilDay.h"
#include "MoonPhases.h"
#include "Zassetsu.h"

#include <cmath>
#include <cstdio>

TraditionalDay TraditionalDayOf(int dayNumber, int offsetMinutes)
{
    TraditionalDay day;
    day.lunar = LunarDateOf(dayNumber, offsetMinutes);
    const double dayEnd = LocalInstant(dayNumber + 1, 0.0, offsetMinutes);
    day.term = LongitudeStepBefore(dayEnd, 15);
    day.ko = LongitudeStepBefore(dayEnd, 5);
    day.zassetsu = ZassetsuOfDay(dayNumber, offsetMinutes);
    day.moonAge = MoonAgeAtNoon(dayNumber, offsetMinutes);
    return day;
}

double MoonAgeAtNoon(int dayNumber, int offsetMinutes)
{
    const double noon = LocalInstant(dayNumber, 720.0, offsetMinutes);
    return noon - NewMoonAtOrBefore(noon);
}

std::string MoonAgeText(double moonAge)
{
    // Rounded half up to a tenth; printed from whole tenths so that no
    // binary fraction tips it.
    const long tenths = std::lround(std::floor(moonAge * 10.0 + 0.5));
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%ld", tenths / 10, tenths % 10);
    return text;
}

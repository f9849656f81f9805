#include "CalendarLine.h"

#include "CivilDay.h"
#include "LunisolarCalendar.h"
#include "SeasonNames.h"
#include "TraditionalDay.h"

#include <cmath>

namespace {

constexpr double kMeanSynodicMonth = 29.530588861;  // days
const char* const kGap = "\u3000";  // an ideographic space between the parts

bool InCalendarYears(int year)
{
    return year >= kFirstCalendarYear && year <= kLastCalendarYear;
}

}  // namespace

CalendarLine MakeCalendarLine(int year, int month, int day, int timeDifferenceHours)
{
    CalendarLine line;
    if (!InCalendarYears(year)) {
        return line;
    }
    const TraditionalDay d = TraditionalDayOf(DayNumberOf({year, month, day}),
                                              timeDifferenceHours * 60);
    line.text = LunarDateText(d.lunar) + kGap + SolarTermName(d.term.index) + kGap +
                KoName(d.ko.index) + kGap + "月齢 " + MoonAgeText(d.moonAge);
    line.moonTile = MoonPhaseTile(d.moonAge);
    return line;
}

int MoonPhaseTile(double moonAge)
{
    const int tile = static_cast<int>(std::lround(moonAge / kMeanSynodicMonth * kMoonPhaseTiles));
    return ((tile % kMoonPhaseTiles) + kMoonPhaseTiles) % kMoonPhaseTiles;
}

std::string LunarDateTextOf(int year, int month, int day, int timeDifferenceHours)
{
    if (!InCalendarYears(year)) {
        return "";
    }
    return LunarDateText(LunarDateOf(DayNumberOf({year, month, day}), timeDifferenceHours * 60));
}

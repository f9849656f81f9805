#include "Zassetsu.h"

#include "CivilDay.h"
#include "SolarTerms.h"

#include <algorithm>

namespace {

constexpr int kStemBoshin = 4;  // 戊, the fifth stem
constexpr int kBranchUshi = 1;  // 丑, the second branch

// The 戊 day nearest to the equinox at jdUt on the place's dates.
int ShanichiDay(double equinoxJdUt, int offsetMinutes)
{
    const int day = LocalDayNumber(equinoxJdUt, offsetMinutes);
    const int ahead = (kStemBoshin - SexagenaryDayIndex(day) % 10 + 10) % 10;  // to the next 戊
    if (ahead < 5) {
        return day + ahead;
    }
    if (ahead > 5) {
        return day + ahead - 10;
    }
    const bool beforeNoon = LocalInstant(day, 720.0, offsetMinutes) > equinoxJdUt;
    return beforeNoon ? day - 5 : day + 5;
}

}  // namespace

std::vector<ZassetsuDay> ZassetsuOfYear(int year, int offsetMinutes)
{
    auto instant = [&](double longitude) {
        return SolarLongitudeInstantOfYear(year, longitude, offsetMinutes);
    };
    auto dayOf = [&](double longitude) {
        return LocalDayNumber(instant(longitude), offsetMinutes);
    };
    std::vector<ZassetsuDay> days;
    auto add = [&](int day, const char* name) { days.push_back({day, name}); };

    const int risshun = dayOf(315.0);
    add(risshun - 1, "節分");
    for (double equinoxLongitude : {0.0, 180.0}) {
        const double equinox = instant(equinoxLongitude);
        const int day = LocalDayNumber(equinox, offsetMinutes);
        add(day - 3, "彼岸入り");
        add(ShanichiDay(equinox, offsetMinutes), "社日");
        add(day + 3, "彼岸明け");
    }
    add(risshun + 87, "八十八夜");
    add(dayOf(80.0), "入梅");
    add(dayOf(100.0), "半夏生");
    // Each 土用 to the day before the next season's first term, 18 degrees on.
    for (double start : {297.0, 27.0, 117.0, 207.0}) {
        const int first = dayOf(start);
        const int end = dayOf(start + 18.0 >= 360.0 ? start + 18.0 - 360.0 : start + 18.0);
        add(first, "土用入り");
        for (int day = first; day < end; ++day) {
            if (SexagenaryDayIndex(day) % 12 == kBranchUshi) {
                add(day, "土用の丑");
            }
        }
    }
    add(risshun + 209, "二百十日");
    add(risshun + 219, "二百二十日");

    // In date order; on one date, in the order above.
    std::stable_sort(days.begin(), days.end(), [](const ZassetsuDay& a, const ZassetsuDay& b) {
        return a.dayNumber < b.dayNumber;
    });
    return days;
}

std::vector<std::string> ZassetsuOfDay(int dayNumber, int offsetMinutes)
{
    std::vector<std::string> names;
    for (const ZassetsuDay& z : ZassetsuOfYear(CivilDateOf(dayNumber).year, offsetMinutes)) {
        if (z.dayNumber == dayNumber) {
            names.push_back(z.name);
        }
    }
    return names;
}

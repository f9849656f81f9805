#include "LunisolarCalendar.h"

#include "CivilDay.h"
#include "MoonPhases.h"
#include "SolarTerms.h"

#include <array>

namespace {

constexpr double kMeanZhongqiGap = 365.2422 / 12.0;  // days from one 中気 to the next
constexpr int kZhongqiCount = 13;  // 冬至 to 冬至, both ends
// Where 春分, 夏至, 秋分 and the next 冬至 stand among those 13, and the
// month numbers their months take; the first 冬至 takes 11.
constexpr int kAnchorZhongqi[] = {0, 3, 6, 9, 12};
constexpr int kAnchorMonth[] = {11, 2, 5, 8, 11};

int NextMonthNumber(int month)
{
    return month % 12 + 1;
}

// The largest index i with days[i] <= day; days ascending, days[0] <= day.
template <class Days>
int LastStartOnOrBefore(const Days& days, int count, int day)
{
    int i = 0;
    while (i + 1 < count && days[static_cast<std::size_t>(i + 1)] <= day) {
        ++i;
    }
    return i;
}

// Numbers months first..first+length-1 (relative indices) following month
// number base at first: one more each month, except that leapAt (if not
// -1) repeats the number before it as a leap month.
void NumberRun(std::vector<LunarMonth>& months, int first, int length, int base, int leapAt)
{
    int number = base;
    months[static_cast<std::size_t>(first)].month = base;
    for (int r = first + 1; r < first + length; ++r) {
        LunarMonth& m = months[static_cast<std::size_t>(r)];
        m.leap = r == leapAt;
        if (!m.leap) {
            number = NextMonthNumber(number);
        }
        m.month = number;
    }
}

}  // namespace

SolsticeYear LunarMonthsOfSolsticeYear(int solsticeYear, int offsetMinutes)
{
    // The 中気 from this 冬至 to the next one, on the place's dates.
    std::array<int, kZhongqiCount> zhongqiDay{};
    double at = LocalInstant(DayNumberOf({solsticeYear, 12, 21}), 720.0, offsetMinutes);
    for (int j = 0; j < kZhongqiCount; ++j) {
        if (j > 0) {
            at += kMeanZhongqiGap;
        }
        at = SolarLongitudeInstant(270.0 + 30.0 * j, at);
        zhongqiDay[static_cast<std::size_t>(j)] = LocalDayNumber(at, offsetMinutes);
    }

    // The first days of the months: from the 朔 before this 冬至 to the one
    // after the next 冬至; fifteen cover a year of thirteen months.
    constexpr int kStarts = 16;
    std::array<int, kStarts> startDay{};
    const int firstLunation = LunationNear(LocalInstant(zhongqiDay[0], 0.0, offsetMinutes),
                                           MoonPhase::New) - 1;
    for (int i = 0; i < kStarts; ++i) {
        startDay[static_cast<std::size_t>(i)] =
            LocalDayNumber(MoonPhaseInstant(firstLunation + i, MoonPhase::New), offsetMinutes);
    }
    const int first = LastStartOnOrBefore(startDay, kStarts, zhongqiDay[0]);
    // Month (relative to first) that holds each 中気.
    std::array<int, kZhongqiCount> holder{};
    for (int j = 0; j < kZhongqiCount; ++j) {
        holder[static_cast<std::size_t>(j)] =
            LastStartOnOrBefore(startDay, kStarts, zhongqiDay[static_cast<std::size_t>(j)]) -
            first;
    }
    const int count = holder[kZhongqiCount - 1];  // 12 or 13 months

    SolsticeYear year;
    year.nextFirstDay = startDay[static_cast<std::size_t>(first + count)];
    year.months.resize(static_cast<std::size_t>(count));
    std::vector<bool> holdsZhongqi(static_cast<std::size_t>(count), false);
    for (int j = 0; j + 1 < kZhongqiCount; ++j) {
        holdsZhongqi[static_cast<std::size_t>(holder[static_cast<std::size_t>(j)])] = true;
    }
    for (int r = 0; r < count; ++r) {
        year.months[static_cast<std::size_t>(r)].firstDay =
            startDay[static_cast<std::size_t>(first + r)];
    }
    auto firstWithoutZhongqi = [&](int from, int to) {
        for (int r = from; r < to; ++r) {
            if (!holdsZhongqi[static_cast<std::size_t>(r)]) {
                return r;
            }
        }
        return -1;
    };

    // From each of the four months to the next: three months, or four with a
    // leap month among the three between.
    bool numbered = true;
    for (int s = 0; s < 4 && numbered; ++s) {
        const int from = holder[static_cast<std::size_t>(kAnchorZhongqi[s])];
        const int to = holder[static_cast<std::size_t>(kAnchorZhongqi[s + 1])];
        if (to - from == 3) {
            NumberRun(year.months, from, 3, kAnchorMonth[s], -1);
        } else if (to - from == 4 && firstWithoutZhongqi(from + 1, to) >= 0) {
            NumberRun(year.months, from, 4, kAnchorMonth[s], firstWithoutZhongqi(from + 1, to));
        } else {
            numbered = false;
        }
    }
    if (!numbered) {
        year.numberedFromSolsticeAlone = true;
        for (LunarMonth& m : year.months) {
            m.leap = false;
        }
        NumberRun(year.months, 0, count, 11, count == 13 ? firstWithoutZhongqi(1, count) : -1);
    }

    // Months 11 and 12 before the 1st month belong to the lunar year of the
    // 冬至; from the 1st month on, to the next one.
    int lunarYear = solsticeYear;
    for (LunarMonth& m : year.months) {
        if (m.month == 1 && !m.leap) {
            lunarYear = solsticeYear + 1;
        }
        m.year = lunarYear;
    }
    return year;
}

LunarDate LunarDateOf(int dayNumber, int offsetMinutes)
{
    const int gregorianYear = CivilDateOf(dayNumber).year;
    SolsticeYear year = LunarMonthsOfSolsticeYear(gregorianYear - 1, offsetMinutes);
    if (dayNumber >= year.nextFirstDay) {
        year = LunarMonthsOfSolsticeYear(gregorianYear, offsetMinutes);
    }
    const LunarMonth* month = &year.months.front();
    for (const LunarMonth& m : year.months) {
        if (m.firstDay <= dayNumber) {
            month = &m;
        }
    }
    LunarDate date;
    date.year = month->year;
    date.month = month->month;
    date.leap = month->leap;
    date.day = dayNumber - month->firstDay + 1;
    return date;
}

std::string LunarDateText(const LunarDate& date)
{
    return "旧暦" + std::string(date.leap ? "閏" : "") + std::to_string(date.month) + "月" +
           std::to_string(date.day) + "日";
}

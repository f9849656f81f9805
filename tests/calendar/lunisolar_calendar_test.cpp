// The 旧暦: known leap months, the year 2033, months that begin at a 朔
// near midnight, and the place's dates.
#include "CivilDay.h"
#include "LunisolarCalendar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kJapan = 540;

LunarDate Lunar(int year, int month, int day, int offsetMinutes = kJapan)
{
    return LunarDateOf(DayNumberOf({year, month, day}), offsetMinutes);
}

// "2033年閏11月 2033-12-22": each month that begins in the years, with its first day.
std::vector<std::string> MonthsBeginningIn(int fromYear, int toYear)
{
    std::vector<std::string> out;
    for (int y = fromYear - 1; y <= toYear; ++y) {
        for (const LunarMonth& m : LunarMonthsOfSolsticeYear(y, kJapan).months) {
            const CivilDate d = CivilDateOf(m.firstDay);
            if (d.year < fromYear || d.year > toYear) {
                continue;
            }
            char text[64];
            std::snprintf(text, sizeof text, "%d年%s%d月 %04d-%02d-%02d", m.year,
                          m.leap ? "閏" : "", m.month, d.year, d.month, d.day);
            out.push_back(text);
        }
    }
    return out;
}

TEST(LunisolarCalendar, KnownLeapMonths)
{
    const struct {
        int year;
        int leapMonth;
    } cases[] = {{2012, 3}, {2014, 9}, {2017, 5}, {2020, 4}, {2023, 2}, {2025, 6}, {2028, 5}};
    for (const auto& c : cases) {
        std::vector<int> leaps;
        for (int y : {c.year - 1, c.year}) {
            for (const LunarMonth& m : LunarMonthsOfSolsticeYear(y, kJapan).months) {
                if (m.year == c.year && m.leap) {
                    leaps.push_back(m.month);
                }
            }
        }
        EXPECT_EQ(leaps, std::vector<int>{c.leapMonth}) << c.year;
    }
}

TEST(LunisolarCalendar, DatesOfKnownDays)
{
    const struct {
        CivilDate date;
        LunarDate lunar;
    } cases[] = {
        {{2024, 12, 21}, {2024, 11, false, 21}},
        {{2024, 2, 10}, {2024, 1, false, 1}},   // 旧正月
        {{2023, 3, 22}, {2023, 2, true, 1}},    // 閏2月
        {{2025, 7, 25}, {2025, 6, true, 1}},    // 閏6月
        {{2025, 1, 28}, {2024, 12, false, 29}}, // 12th month: the year before's
        {{1984, 11, 23}, {1984, 10, true, 1}},  // 閏10月, the rarest in the range
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LunarDateOf(DayNumberOf(c.date), kJapan), c.lunar)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
    EXPECT_EQ(LunarDateText({2024, 11, false, 21}), "旧暦11月21日");
    EXPECT_EQ(LunarDateText({2025, 6, true, 3}), "旧暦閏6月3日");
}

// From 秋分 2033 to 冬至 2033 there are only two months, so the rule cannot
// number them; the year from 冬至 2032 is numbered from its 冬至 month alone,
// and the leap month is the 11th of 2033.
TEST(LunisolarCalendar, TheYear2033HasALeapEleventhMonth)
{
    // The first days are those of PyEphem's 朔 in JST.
    const std::vector<std::string> months = MonthsBeginningIn(2033, 2034);
    const std::vector<std::string> expected = {
        "2032年12月 2033-01-01", "2033年1月 2033-01-31",   "2033年2月 2033-03-01",
        "2033年3月 2033-03-31",  "2033年4月 2033-04-29",   "2033年5月 2033-05-28",
        "2033年6月 2033-06-27",  "2033年7月 2033-07-26",   "2033年8月 2033-08-25",
        "2033年9月 2033-09-23",  "2033年10月 2033-10-23",  "2033年11月 2033-11-22",
        "2033年閏11月 2033-12-22", "2033年12月 2034-01-20", "2034年1月 2034-02-19",
        "2034年2月 2034-03-20",
    };
    ASSERT_GE(months.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(months.begin(), months.begin() + expected.size()), expected);
    EXPECT_TRUE(LunarMonthsOfSolsticeYear(2032, kJapan).numberedFromSolsticeAlone);
    EXPECT_FALSE(LunarMonthsOfSolsticeYear(2033, kJapan).numberedFromSolsticeAlone);
    EXPECT_EQ(Lunar(2033, 12, 22), (LunarDate{2033, 11, true, 1}));
    EXPECT_EQ(Lunar(2034, 2, 19), (LunarDate{2034, 1, false, 1}));
}

// A month begins on the place's date of its 朔, wherever in that day it falls.
TEST(LunisolarCalendar, NewMoonsNearMidnight)
{
    const struct {
        const char* what;
        CivilDate firstDay;
        int offsetMinutes;
    } cases[] = {
        {"朔 2017-02-26 23:58 JST", {2017, 2, 26}, kJapan},
        {"朔 2012-06-20 00:02 JST", {2012, 6, 20}, kJapan},
        {"朔 2005-12-02 00:00:53 JST", {2005, 12, 2}, kJapan},
        // The same 朔 as 2012-06-19 23:02 at UT+8.
        {"朔 2012-06-19 23:02 UT+8", {2012, 6, 19}, 480},
    };
    for (const auto& c : cases) {
        const int day = DayNumberOf(c.firstDay);
        EXPECT_EQ(LunarDateOf(day, c.offsetMinutes).day, 1) << c.what;
        EXPECT_GE(LunarDateOf(day - 1, c.offsetMinutes).day, 29) << c.what;
    }
    EXPECT_EQ(Lunar(2017, 2, 26), (LunarDate{2017, 2, false, 1}));
    EXPECT_EQ(Lunar(2012, 6, 20), (LunarDate{2012, 5, false, 1}));
    EXPECT_EQ(Lunar(2012, 6, 19), (LunarDate{2012, 4, false, 30}));
    EXPECT_EQ(Lunar(2012, 6, 19, 480), (LunarDate{2012, 5, false, 1}));
}

TEST(LunisolarCalendar, EveryDayFollowsTheDayBefore)
{
    // Through the 2033 fault and a year either side: each day is the day
    // after the one before, or the first of the next month.
    LunarDate before = Lunar(2032, 1, 1);
    for (int day = DayNumberOf({2032, 1, 2}); day <= DayNumberOf({2035, 12, 31}); ++day) {
        const LunarDate d = LunarDateOf(day, kJapan);
        if (d.day == before.day + 1) {
            EXPECT_EQ(d.month, before.month);
            EXPECT_EQ(d.leap, before.leap);
        } else {
            EXPECT_EQ(d.day, 1) << CivilDateOf(day).month << "/" << CivilDateOf(day).day;
            EXPECT_GE(before.day, 29);
            const bool repeats = d.leap && d.month == before.month;
            EXPECT_TRUE(repeats || d.month == before.month % 12 + 1);
        }
        before = d;
    }
}

}  // namespace

// Day numbers, the place's date and minute of an instant, the cycle of sixty.
#include "CivilDay.h"

#include <gtest/gtest.h>

namespace {

TEST(CivilDay, DayNumbersOfKnownDatesAndBack)
{
    const struct {
        CivilDate date;
        int dayNumber;
    } cases[] = {
        {{2000, 1, 1}, 2451545}, {{1900, 3, 1}, 2415080}, {{2000, 2, 29}, 2451604},
        {{1858, 11, 17}, 2400001}, {{2100, 12, 31}, 2488434}, {{-4713, 11, 24}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayNumberOf(c.date), c.dayNumber) << c.date.year;
        EXPECT_EQ(CivilDateOf(c.dayNumber), c.date) << c.dayNumber;
    }
    for (int n = 2415020; n < 2488500; n += 37) {
        EXPECT_EQ(DayNumberOf(CivilDateOf(n)), n);
    }
}

TEST(CivilDay, TheDateAndMinuteOfAnInstantAreThePlacesAndNeverRoundedUp)
{
    // 2000-01-01 15:00 UT: 2000-01-02 00:00 in Japan, still the 1st in UT-5.
    const double jd = 2451545.0 + 3.0 / 24.0;
    EXPECT_EQ(LocalDayNumber(jd, 540), 2451546);
    EXPECT_EQ(LocalDayNumber(jd, -300), 2451545);
    const LocalMinute japan = LocalMinuteOf(jd, 540);
    EXPECT_EQ(japan.date, (CivilDate{2000, 1, 2}));
    EXPECT_EQ(japan.hour * 60 + japan.minute, 0);
    // 23:59:59.9 stays 23:59 of its own date.
    const double late = LocalInstant(2451545, 1439.0 + 59.9 / 60.0, 540);
    const LocalMinute lastMinute = LocalMinuteOf(late, 540);
    EXPECT_EQ(lastMinute.date, (CivilDate{2000, 1, 1}));
    EXPECT_EQ(lastMinute.hour * 60 + lastMinute.minute, 1439);
    EXPECT_EQ(LocalDayNumber(late, 540), 2451545);
}

TEST(CivilDay, SexagenaryDays)
{
    EXPECT_EQ(SexagenaryDayIndex(DayNumberOf({2000, 1, 1})), 54);  // 戊午
    EXPECT_EQ(SexagenaryDayIndex(DayNumberOf({1949, 10, 1})), 0);  // 甲子
    EXPECT_EQ(SexagenaryDayIndex(0), 49);
    EXPECT_EQ(SexagenaryDayIndex(-11), 38);
}

}  // namespace

// The table as pure functions of date and place, apart from any ticking.
#include "SolarDay.h"
#include "TokiTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const SolarPlace kYokohama = MakeSolarPlace(35, 27, 139, 39, 9);

TEST(TokiTable, DateAndPlaceGiveTheWorkedExampleToTheMinute)
{
    const TokiTable table = ComputeTokiTable(2006, 1, 1, kYokohama);
    const std::vector<int> expected = {-15, 50,  115, 180, 245, 310, 375, 430, 485,
                                       540, 595, 650, 705, 760, 815, 870, 925, 980,
                                       1035, 1100, 1165, 1230, 1295, 1360, 1425};
    EXPECT_EQ(std::vector<int>(table.boundaries.begin(), table.boundaries.end()), expected);
    EXPECT_EQ(table.sunrise, 410);
    EXPECT_EQ(table.sunset, 999);
}

TEST(SolarDay, NoonIsLocalTwelveOClockAndTheTableIsBuiltAroundIt)
{
    const double noon = NoonJulianDate(2006, 1, 1, kYokohama.timeDiffDays);
    EXPECT_DOUBLE_EQ(noon, 2453736.5 + 0.125);
    const SolarDay day = ComputeSolarDay(noon, kYokohama);
    const TokiBoundaries b = ComputeTokiBoundaries(day);
    EXPECT_EQ(b[6], day.dawn);
    EXPECT_EQ(b[12], day.transit);
    EXPECT_EQ(b[18], day.dusk);
    EXPECT_EQ(b[0], day.transit - 720);
    EXPECT_EQ(b[24], day.transit + 720);
}

TEST(SolarDay, MidnightSunFillsTheWholeDayBetweenTheTemporalMidnights)
{
    const SolarPlace north = MakeSolarPlace(70, 0, 139, 39, 9);
    const SolarDay day = ComputeSolarDay(NoonJulianDate(2006, 6, 21, north.timeDiffDays), north);
    EXPECT_EQ(day.dawn, day.transit - 720);
    EXPECT_EQ(day.dusk, day.transit + 720);
}

// Which boundary a clock at a minute waits for, on the Yokohama table of
// 2006-01-01 (entry 0 at -15, entry 23 at 1360, entry 24 at 1425).
TEST(TokiTable, NextBoundaryAfterAMinute)
{
    const TokiBoundaries b = ComputeTokiTable(2006, 1, 1, kYokohama).boundaries;
    struct {
        int minute;
        int next;
    } const cases[] = {
        {-16, 0},    // before the table's first entry
        {-15, 1},    // on entry 0: the next one is 1
        {374, 6},    // the minute before dawn
        {375, 7},    // on dawn
        {1359, 23},  // the minute before entry 23
        {1360, 0},   // on entry 23: entry 24 is reported as 0
        {1424, 0},
        {1425, 1},   // on entry 24, which is the next day's entry 0
        {1440 + 50, 2},  // the next day: entry 1 + 1440 is passed
        {1440 + 1360, 0},  // past every entry of the next day too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextBoundaryAfter(b, c.minute), c.next) << c.minute;
    }
}

}  // namespace

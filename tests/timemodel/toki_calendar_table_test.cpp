#include "CalendarFixture.h"

#include <cmath>
#include <vector>

namespace {

struct TableCase {
    const char* name;
    int year, month, day;
    int latD, latM, lonD, lonM;
    std::vector<int> boundaries;
    int sunrise, sunset;
};

const TableCase kTables[] = {
    {"Yokohama2006Jan01", 2006, 1, 1, 35, 27, 139, 39,
     {-15, 50, 115, 180, 245, 310, 375, 430, 485, 540, 595, 650, 705,
      760, 815, 870, 925, 980, 1035, 1100, 1165, 1230, 1295, 1360, 1425},
     410, 999},
    // Dusk - transit is 475: the afternoon half-span drops its half minute, so
    // entry 15 is 940, not 941.
    {"Yokohama2006Jun21", 2006, 6, 21, 35, 27, 139, 39,
     {-17, 24, 65, 106, 147, 187, 228, 307, 387, 466, 545, 624, 703,
      782, 861, 940, 1019, 1099, 1178, 1219, 1260, 1301, 1342, 1382, 1423},
     266, 1140},
};

class TableTest : public CalendarFixture, public ::testing::WithParamInterface<TableCase> {};

TEST_P(TableTest, MatchesWorkedExampleToTheMinute)
{
    const TableCase& c = GetParam();
    LocateAt(c.year, c.month, c.day, 12, 0, c.latD, c.latM, c.lonD, c.lonM);
    std::vector<int> table;
    for (int i = 0; i < 25; ++i) {
        table.push_back(calendar.GetBoundary(i));
    }
    EXPECT_EQ(table, c.boundaries);
    EXPECT_EQ(calendar.GetSunrise(), c.sunrise);
    EXPECT_EQ(calendar.GetSunset(), c.sunset);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, TableTest, ::testing::ValuesIn(kTables),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(JulianDay, GregorianDatesAtZeroHoursUT)
{
    struct {
        int y, m, d;
        double jd;
    } const cases[] = {
        {2000, 1, 1, 2451544.5}, {2006, 1, 1, 2453736.5}, {2006, 2, 28, 2453794.5},
        {2006, 3, 1, 2453795.5}, {2000, 2, 29, 2451603.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(JulianDay(c.y, c.m, c.d), c.jd) << c.y << "-" << c.m;
    }
}

TEST_F(CalendarFixture, NoonIsLocalTwelveOClock)
{
    LocateAt(2006, 1, 1, 8, 0);
    EXPECT_DOUBLE_EQ(calendar.GetNoonJD(), 2453736.5 + 0.125);
}

TEST_F(CalendarFixture, PlaceWestOfItsMeridianHasTransitAfterNoon)
{
    LocateAt(2006, 12, 31, 12, 0, 26, 13, 127, 40);  // Naha
    EXPECT_EQ(calendar.GetBoundary(12), 752);
    EXPECT_EQ(calendar.GetBoundary(0), 32);
}

TEST_F(CalendarFixture, GetBoundaryStaysInsideTheTable)
{
    LocateAt(2006, 1, 1, 12, 0);
    for (int i : {-1000000, -1, 25, 26, 1 << 30}) {
        EXPECT_EQ(calendar.GetBoundary(i), TokiCalendar::kNoBoundary) << i;
    }
}

// Every table is finite and ordered, midnight to midnight is a whole day, and
// dawn/dusk never pass the temporal midnights, whatever the latitude and date.
// Beyond about 59 degrees the sun stays above the dawn altitude in summer, and
// beyond about 66 it does not set: the half-arcs are then clamped.
void ExpectSaneTable(const TokiCalendar& cal, const std::string& where)
{
    for (int i = 0; i < 24; ++i) {
        EXPECT_LE(cal.GetBoundary(i), cal.GetBoundary(i + 1)) << where << " entry " << i;
    }
    EXPECT_EQ(cal.GetBoundary(24) - cal.GetBoundary(0), 1440) << where;
    EXPECT_GE(cal.GetBoundary(0), -720) << where;
    EXPECT_LE(cal.GetBoundary(0), 720) << where;
    EXPECT_LE(cal.GetSunrise(), cal.GetSunset()) << where;
    EXPECT_GE(cal.GetSunrise(), cal.GetBoundary(0) - 1) << where;
    EXPECT_LE(cal.GetSunset(), cal.GetBoundary(24) + 1) << where;
    EXPECT_GE(cal.GetCurrentToki(), 0) << where;
    EXPECT_LE(cal.GetCurrentToki(), 23) << where;
}

TEST_F(CalendarFixture, PolarDaysAndNightsAreClampedAndOrdered)
{
    struct {
        int month, day, lat;
        int expectDawnToDusk;  // minutes from dawn to dusk, -1 when not fixed
    } const cases[] = {
        {6, 21, 70, 1440},  // midnight sun: the temporal day fills the whole day
        {12, 21, 70, -1},   // polar night, but twilight still comes
        {6, 21, 90, 1440},
        {12, 21, 90, 0},    // the sun never comes near the horizon
        {6, 21, -90, 0},
        {12, 21, -90, 1440},
    };
    for (const auto& c : cases) {
        LocateAt(2006, c.month, c.day, 12, 0, c.lat, 0, 139, 39);
        const std::string where = std::to_string(c.lat) + " on " + std::to_string(c.month);
        ExpectSaneTable(calendar, where);
        if (c.expectDawnToDusk >= 0) {
            EXPECT_EQ(calendar.GetBoundary(18) - calendar.GetBoundary(6), c.expectDawnToDusk)
                << where;
        }
    }
}

TEST_F(CalendarFixture, EveryLatitudeAndDateGivesASaneTable)
{
    const int days[][2] = {{1, 1}, {3, 20}, {5, 15}, {6, 21}, {8, 10}, {9, 23}, {11, 5}, {12, 21}};
    for (int lat = -90; lat <= 90; lat += 5) {
        for (const auto& md : days) {
            LocateAt(2024, md[0], md[1], 12, 0, lat, lat < 0 ? -30 : 30, 139, 39);
            ExpectSaneTable(calendar, std::to_string(lat) + "/" + std::to_string(md[0]));
        }
    }
}

TEST_F(CalendarFixture, MidnightToMidnightIsOneDayAllYear)
{
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 28; day += 3) {
            LocateAt(2006, month, day, 12, 0);
            ASSERT_EQ(calendar.GetBoundary(24) - calendar.GetBoundary(0), 1440);
        }
    }
}

}  // namespace

#include "CalendarFixture.h"

#include <cmath>
#include <ostream>
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

// gtest names a failing case by this rather than by the bytes of the struct.
void PrintTo(const TableCase& c, std::ostream* os)
{
    *os << c.name;
}

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

auto CaseName = [](const auto& param) { return std::string(param.param.name); };

INSTANTIATE_TEST_SUITE_P(WorkedExamples, TableTest, ::testing::ValuesIn(kTables), CaseName);

// The corners of the accepted range: east longitudes 122 and 153 degrees (59
// minutes), the northern and southern ends of Japan, and one short far-north
// night. Worked out independently by tools/toki_reference_tables.py, which
// re-derives the formulas without this code. East of 135 degrees the temporal
// midnight falls before 00:00, so the entries after it are negative before they
// are made whole, and adding 0.5 then dropping the fraction toward zero differs
// from rounding down: entry 1 of 45°30'N 148°E on 21 June is -16.67 + 0.5,
// giving -16 (23:44), where rounding down would give 23:43.
const TableCase kEdgeTables[] = {
    // -40.67 and -7.33 before they are made whole.
    {"East153North45Jun21", 2006, 6, 21, 45, 30, 153, 59,
     {-74, -40, -6, 26, 59, 93, 126, 213, 299, 386, 473, 559, 646,
      732, 819, 905, 991, 1079, 1165, 1199, 1233, 1266, 1300, 1333, 1366},
     175, 1117},
    // Entry 1 is -4.00 before it is made whole: 23:57, not 23:56.
    {"East153North45Dec31", 2006, 12, 31, 45, 30, 153, 59,
     {-73, -3, 65, 134, 203, 272, 341, 392, 443, 494, 545, 596, 647,
      698, 749, 800, 851, 902, 953, 1022, 1091, 1160, 1229, 1298, 1367},
     384, 910},
    // Toki 0 of New Year's Eve begins at 22:51 (entry 24); entry 1 is -7.67.
    {"East153South24Dec31", 2006, 12, 31, 24, 0, 153, 0,
     {-69, -7, 54, 115, 176, 238, 299, 358, 416, 475, 534, 592, 651,
      709, 768, 826, 884, 944, 1002, 1064, 1126, 1187, 1249, 1310, 1371},
     330, 971},
    {"East148North45Jun21", 2006, 6, 21, 45, 30, 148, 0,
     {-50, -16, 17, 50, 83, 117, 150, 237, 323, 410, 497, 583, 670,
      756, 843, 929, 1015, 1103, 1189, 1223, 1257, 1290, 1324, 1357, 1390},
     199, 1141},
    // West of the meridian: the temporal midnight after 00:00, nothing negative.
    {"West122North45Jun21", 2006, 6, 21, 45, 30, 122, 0,
     {54, 87, 121, 154, 187, 221, 254, 341, 427, 514, 601, 687, 774,
      860, 947, 1033, 1119, 1207, 1293, 1327, 1361, 1394, 1428, 1461, 1494},
     303, 1245},
    {"West122South24Dec21", 2006, 12, 21, 24, 0, 122, 0,
     {50, 112, 174, 235, 297, 358, 419, 478, 537, 595, 654, 712, 770,
      828, 887, 945, 1003, 1063, 1121, 1183, 1245, 1306, 1368, 1429, 1490},
     450, 1090},
    // Dawn itself is before midnight (-6.18), and so is the whole night
    // quarter before it (-63.33, -50.67, -40.00, -27.33, -16.67).
    {"East153North66May03", 2006, 5, 3, 66, 0, 153, 0,
     {-75, -62, -50, -39, -26, -16, -5, 103, 212, 320, 428, 537, 645,
      753, 862, 970, 1078, 1188, 1296, 1308, 1320, 1331, 1343, 1354, 1365},
     118, 1172},
};

INSTANTIATE_TEST_SUITE_P(EdgesOfTheAcceptedRange, TableTest, ::testing::ValuesIn(kEdgeTables),
                         CaseName);

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

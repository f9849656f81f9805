// The traditional calendar's line under the day chart, and the 旧暦 text a
// panel shows.
#include "CalendarFixture.h"
#include "CalendarLine.h"
#include "ClockSettings.h"
#include "TokiChartData.h"
#include "TokiChartLayout.h"
#include "TokiNames.h"

#include <gtest/gtest.h>

namespace {

class CalendarLineTest : public CalendarFixture {};

TEST_F(CalendarLineTest, TheChartCarriesTheLineOfItsTablesDateAtThePlace)
{
    LocateAt(2024, 12, 21, 9, 30);
    ClockSettings settings;
    const TokiChartData data = MakeTokiChartData(calendar, settings, kBranchNames);
    EXPECT_EQ(data.calendar.text, "旧暦11月21日　冬至　乃東生　月齢 19.9");
    EXPECT_EQ(data.calendar.moonTile, 20);  // 19.86 days of 29.53: two thirds round
    // One row below the last label, under the 日出 mark.
    const TokiChartLayout layout = LayOutTokiChart(data, 500, 6, 12);
    EXPECT_EQ(layout.calendarLineY, layout.entryY[24] + 12);
    EXPECT_EQ(layout.calendarLineX, layout.markX);
}

TEST_F(CalendarLineTest, TheLinesOfOtherDaysAndPlaces)
{
    const struct {
        int year, month, day, timeDifference;
        const char* text;
        int tile;
    } cases[] = {
        {2025, 7, 25, 9, "旧暦閏6月1日　大暑　桐始結花　月齢 0.3", 0},
        // 22.36 days after the 朔 of 2024-04-09 03:20 JST.
        {2024, 5, 1, 9, "旧暦3月23日　穀雨　牡丹華　月齢 22.4", 23},
        // The 朔 of 2012-06-20 00:02 JST falls on the 19th at UT+8: the month
        // begins that day, though its noon still lies before the 朔.
        {2012, 6, 19, 9, "旧暦4月30日　芒種　梅子黄　月齢 29.1", 0},
        {2012, 6, 19, 8, "旧暦5月1日　芒種　梅子黄　月齢 29.2", 0},
    };
    for (const auto& c : cases) {
        const CalendarLine line = MakeCalendarLine(c.year, c.month, c.day, c.timeDifference);
        EXPECT_EQ(line.text, c.text) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(line.moonTile, c.tile) << c.year << "-" << c.month << "-" << c.day;
    }
    // Outside 1900-2100: no line and no picture.
    EXPECT_EQ(MakeCalendarLine(2101, 1, 1, 9).text, "");
    EXPECT_EQ(MakeCalendarLine(1899, 12, 31, 9).moonTile, -1);
}

TEST(CalendarLine, MoonTilesAndThePanelsLunarDate)
{
    const struct {
        double age;
        int tile;
    } tiles[] = {{0.0, 0}, {0.49, 0}, {0.5, 1}, {7.4, 8}, {14.77, 15}, {29.0, 29}, {29.4, 0}};
    for (const auto& t : tiles) {
        EXPECT_EQ(MoonPhaseTile(t.age), t.tile) << t.age;
    }
    EXPECT_EQ(LunarDateTextOf(2025, 7, 27, 9), "旧暦閏6月3日");
    EXPECT_EQ(LunarDateTextOf(2024, 12, 21, 9), "旧暦11月21日");
    EXPECT_EQ(LunarDateTextOf(1899, 1, 1, 9), "");
}

}  // namespace

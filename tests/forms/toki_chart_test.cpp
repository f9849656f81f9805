#include "CalendarFixture.h"
#include "ClockSettings.h"
#include "TokiChartData.h"
#include "TokiChartLayout.h"
#include "TokiNames.h"

#include <gtest/gtest.h>

namespace {

TokiChartData MinutesOnly(std::initializer_list<std::pair<int, int>> entries, int sunrise = 0,
                          int sunset = 0)
{
    TokiChartData data;
    for (const auto& e : entries) {
        data.entryMinutes[static_cast<std::size_t>(e.first)] = e.second;
    }
    data.sunriseMinutes = sunrise;
    data.sunsetMinutes = sunset;
    return data;
}

TEST(TokiChartLayout, SecondHeadingLineAtTwoAndAHalfCharacterHeights)
{
    const TokiChartLayout layout = LayOutTokiChart(TokiChartData(), 500, 6, 13);
    EXPECT_EQ(layout.coordinatesY, 32);  // 32.5 truncated
    EXPECT_EQ(layout.placeDateY, 13);
    EXPECT_EQ(layout.halfCharHeight, 6);
    EXPECT_EQ(layout.chartTop, 65);
}

TEST(TokiChartLayout, MinutesBecomeRowsBetweenFiveAndTwoCharacterHeightsFromTheEdges)
{
    // scale = (500 - 7 * 12) / 1440 = 416 / 1440.
    const TokiChartData data = MinutesOnly({{0, 0}, {6, 360}, {12, 720}, {24, 1440}, {1, -19}},
                                           /*sunrise*/ 333, /*sunset*/ 1100);
    const TokiChartLayout layout = LayOutTokiChart(data, 500, 6, 12);
    EXPECT_EQ(layout.chartTop, 60);
    EXPECT_EQ(layout.entryY[0], 60);
    EXPECT_EQ(layout.entryY[6], 164);   // 60 + trunc(104.0 + 0.5)
    EXPECT_EQ(layout.entryY[12], 268);  // 60 + trunc(208.0 + 0.5)
    EXPECT_EQ(layout.entryY[24], 476);  // 500 - 2 * 12
    EXPECT_EQ(layout.entryY[1], 56);    // 60 + trunc(-4.99): toward zero, not floor (55)
    EXPECT_EQ(layout.sunriseY, 60 + 96);   // 96.2 + 0.5
    EXPECT_EQ(layout.sunsetY, 60 + 318);   // 317.78 + 0.5
}

TEST(TokiChartLayout, ColumnsInCharacterWidths)
{
    const TokiChartLayout layout = LayOutTokiChart(TokiChartData(), 500, 6, 12);
    EXPECT_EQ(layout.barLeft, 60);
    EXPECT_EQ(layout.barRight, 252);
    EXPECT_EQ(layout.markX, 18);
    EXPECT_EQ(layout.timeX, 66);
    EXPECT_EQ(layout.fullLabelX, 102);
    EXPECT_EQ(layout.halfLabelX, 252);
    EXPECT_EQ(layout.placeDateX, 36);
    EXPECT_EQ(layout.coordinatesX, 48);
}

class TokiChartDataTest : public CalendarFixture {};

TEST_F(TokiChartDataTest, FilledFromTheTimeModelAndTheSettings)
{
    // Midsummer in Yokohama: the night's midpoint, boundary 0, falls before
    // midnight, so its minute is negative.
    LocateAt(2006, 6, 21, 12, 0);
    ClockSettings settings;
    const TokiChartData data = MakeTokiChartData(calendar, settings, kBranchNames);

    const int first = calendar.GetBoundary(0);
    ASSERT_LT(first, 0);
    for (int i = 0; i < kChartBoundaryCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        EXPECT_EQ(data.entryMinutes[n], calendar.GetBoundary(i) - first) << i;
        EXPECT_EQ(data.entryLabels[n],
                  std::string(kBranchNames[i % kTokiCount]) + "  " +
                      ClockTimeText(calendar.GetBoundary(i)))
            << i;
    }
    EXPECT_EQ(data.entryMinutes[0], 0);
    EXPECT_EQ(data.entryLabels[0].substr(0, data.entryLabels[0].size() - 5),
              "暁九つ (子)  ");
    EXPECT_EQ(data.entryLabels[0].substr(data.entryLabels[0].size() - 5),
              data.entryLabels[24].substr(data.entryLabels[24].size() - 5));
    EXPECT_EQ(data.sunriseMinutes, calendar.GetSunrise() - first);
    EXPECT_EQ(data.sunriseText, ClockTimeText(calendar.GetSunrise()));
    EXPECT_EQ(data.sunsetMinutes, calendar.GetSunset() - first);
    EXPECT_EQ(data.sunsetText, ClockTimeText(calendar.GetSunset()));
    EXPECT_EQ(data.placeDateText, "横浜 － 西暦 2006年 6月 21日");
    EXPECT_EQ(data.coordinatesText, "（北緯 35度 27分、東経 139度 39分）");
}

TEST_F(TokiChartDataTest, PlainNamesWhenGivenAndHeadingsFromTheSettings)
{
    LocateAt(2007, 1, 5, 9, 30, 26, 13, 127, 40);
    ClockSettings settings;
    settings.city = "那覇";
    settings.latitudeDegrees = 26;
    settings.latitudeMinutes = 13;
    settings.longitudeDegrees = 127;
    settings.longitudeMinutes = -4;
    const TokiChartData data = MakeTokiChartData(calendar, settings, kPlainNames);
    EXPECT_EQ(data.entryLabels[0].rfind("暁九つ  ", 0), 0u);
    EXPECT_EQ(data.entryLabels[24].rfind("暁九つ  ", 0), 0u);
    EXPECT_EQ(data.entryLabels[1].rfind("暁九つ半  ", 0), 0u);
    EXPECT_EQ(data.placeDateText, "那覇 － 西暦 2007年 1月 5日");
    EXPECT_EQ(data.coordinatesText, "（北緯 26度 13分、東経 127度 -4分）");
}

}  // namespace

#pragma once

#include "CalendarLine.h"
#include "ClockTimeText.h"
#include "TokiTable.h"

#include <array>
#include <string>

class TokiCalendar;
struct ClockSettings;

// The 25 boundaries of the day's table, 暁九つ to the next 暁九つ.
constexpr int kChartBoundaryCount = kTokiBoundaryCount;

// What the toki-information chart shows, taken from the time model and the
// settings when the dialog is opened. Times are whole minutes after
// boundary 0; texts are UTF-8.
struct TokiChartData {
    std::string placeDateText;    // place and the table's date
    std::string coordinatesText;  // latitude and longitude
    std::string sunriseText;      // "HH:MM"
    std::string sunsetText;       // "HH:MM"
    std::array<std::string, kChartBoundaryCount> entryLabels;  // name, two blanks, "HH:MM"
    std::array<int, kChartBoundaryCount> entryMinutes{};
    int sunriseMinutes = 0;
    int sunsetMinutes = 0;
    CalendarLine calendar;  // the 旧暦 line under the chart
};

// The chart for the calendar's current table, its boundaries labelled with
// names: kTokiCount of them (kBranchNames or kPlainNames); entry 24 takes
// the first, the next 暁九つ.
TokiChartData MakeTokiChartData(const TokiCalendar& calendar, const ClockSettings& settings,
                                const char* const* names);

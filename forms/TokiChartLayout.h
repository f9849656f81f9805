#pragma once

#include "TokiChartData.h"

#include <array>

// Where the chart's parts stand, in pixels of the dialog's client area, for a
// measuring font of charWidth x charHeight pixels (average width, cell
// height). Computed once when the dialog opens.
struct TokiChartLayout {
    int charWidth = 0;
    int charHeight = 0;
    int halfCharHeight = 0;  // texts are centred on their row by this much
    int barLeft = 0;         // 10 character widths
    int barRight = 0;        // 42 character widths
    int chartTop = 0;        // row of boundary 0, 5 character heights
    // Top left corners of the two heading lines.
    int placeDateX = 0;
    int placeDateY = 0;
    int coordinatesX = 0;
    int coordinatesY = 0;
    int markX = 0;        // 日出, 日没, 南中
    int timeX = 0;        // the sunrise and sunset times, on the bar
    int fullLabelX = 0;   // labels of even boundaries, on the bar
    int halfLabelX = 0;   // labels of odd boundaries, right of the bar
    // Pixel rows.
    std::array<int, kChartBoundaryCount> entryY{};
    int sunriseY = 0;
    int sunsetY = 0;
    // Top left corner of the 旧暦 line: under the marks, a row below the
    // last label.
    int calendarLineX = 0;
    int calendarLineY = 0;
};

// The 1440 minutes of a day span the client height less five character
// heights above and two below: a minute value v lands on row
// chartTop + trunc(scale * v + 0.5), scale = (clientHeight - 7 * charHeight) / 1440.
TokiChartLayout LayOutTokiChart(const TokiChartData& data, int clientHeight, int charWidth,
                                int charHeight);

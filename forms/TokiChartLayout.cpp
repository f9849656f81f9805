#include "TokiChartLayout.h"

namespace {

int Row(int chartTop, double scale, int minutes)
{
    // Truncation toward zero, as the chart has always placed its rows.
    return chartTop + static_cast<int>(scale * minutes + 0.5);
}

}  // namespace

TokiChartLayout LayOutTokiChart(const TokiChartData& data, int clientHeight, int charWidth,
                                int charHeight)
{
    TokiChartLayout layout;
    layout.charWidth = charWidth;
    layout.charHeight = charHeight;
    layout.halfCharHeight = charHeight / 2;
    layout.barLeft = 10 * charWidth;
    layout.barRight = 42 * charWidth;
    layout.chartTop = 5 * charHeight;
    layout.placeDateX = layout.barLeft - 4 * charWidth;
    layout.placeDateY = charHeight;
    layout.coordinatesX = layout.barLeft - 2 * charWidth;
    layout.coordinatesY = static_cast<int>(2.5 * charHeight);
    layout.markX = layout.barLeft - 7 * charWidth;
    layout.timeX = layout.barLeft + charWidth;
    layout.fullLabelX = layout.barLeft + 7 * charWidth;
    layout.halfLabelX = layout.barRight;

    const double scale = (clientHeight - 7 * charHeight) * (1.0 / 1440.0);
    for (std::size_t i = 0; i < layout.entryY.size(); ++i) {
        layout.entryY[i] = Row(layout.chartTop, scale, data.entryMinutes[i]);
    }
    layout.sunriseY = Row(layout.chartTop, scale, data.sunriseMinutes);
    layout.sunsetY = Row(layout.chartTop, scale, data.sunsetMinutes);
    layout.calendarLineX = layout.markX;
    layout.calendarLineY = layout.entryY[kChartBoundaryCount - 1] + charHeight;
    return layout;
}

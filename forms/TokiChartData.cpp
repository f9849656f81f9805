#include "TokiChartData.h"

#include "ClockSettings.h"
#include "TokiCalendar.h"
#include "TokiNames.h"

#include <cstdio>

namespace {

template <class... Args>
std::string Format(const char* format, Args... args)
{
    char buffer[128];  // the longest format with four ints takes under 100 bytes
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

}  // namespace

TokiChartData MakeTokiChartData(const TokiCalendar& calendar, const ClockSettings& settings,
                                const char* const* names)
{
    TokiChartData data;
    const int first = calendar.GetBoundary(0);
    for (int i = 0; i < kChartBoundaryCount; ++i) {
        const int boundary = calendar.GetBoundary(i);
        const auto at = static_cast<std::size_t>(i);
        data.entryMinutes[at] = boundary - first;
        data.entryLabels[at] = std::string(names[i % kTokiCount]) + "  " + ClockTimeText(boundary);
    }
    data.sunriseMinutes = calendar.GetSunrise() - first;
    data.sunriseText = ClockTimeText(calendar.GetSunrise());
    data.sunsetMinutes = calendar.GetSunset() - first;
    data.sunsetText = ClockTimeText(calendar.GetSunset());
    // The place name goes in whole, whatever its length; only numbers are formatted.
    data.placeDateText = settings.city + Format(" － 西暦 %d年 %d月 %d日", calendar.GetYear(),
                                                calendar.GetMonth(), calendar.GetDay());
    data.coordinatesText =
        Format("（北緯 %d度 %d分、東経 %d度 %d分）", settings.latitudeDegrees,
               settings.latitudeMinutes, settings.longitudeDegrees, settings.longitudeMinutes);
    data.calendar = MakeCalendarLine(calendar.GetYear(), calendar.GetMonth(), calendar.GetDay(),
                                     settings.timeDifference);
    return data;
}

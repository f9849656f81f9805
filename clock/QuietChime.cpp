#include "QuietChime.h"

#include "HourMinuteText.h"
#include "QuietHoursFields.h"
#include "TokiAlarmSettings.h"

namespace {

// from <= value < to on a circle; empty when from == to.
bool InCyclicSpan(int value, int from, int to)
{
    return from <= to ? (from <= value && value < to) : (value >= from || value < to);
}

}  // namespace

bool IsQuietChime(const QuietHours& quiet, int hour, int minute, TokiIndex toki)
{
    switch (QuietKindOf(quiet)) {
    case QuietKind::ByToki:
        return InCyclicSpan(toki, quiet.fromToki, quiet.toToki);
    case QuietKind::ByClockTime:
        return InCyclicSpan(hour * 60 + minute, *ParseHourMinuteText(quiet.fromTime),
                            *ParseHourMinuteText(quiet.toTime));
    case QuietKind::None:
        break;
    }
    return false;
}

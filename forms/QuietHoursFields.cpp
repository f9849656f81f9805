#include "QuietHoursFields.h"

#include "ClockTimeText.h"
#include "HourMinuteText.h"
#include "TokiAlarmSettings.h"

namespace {

bool IsToki(int k)
{
    return k >= 0 && k <= 23;
}

}  // namespace

QuietKind QuietKindOf(const QuietHours& quiet)
{
    if (IsToki(quiet.fromToki) && IsToki(quiet.toToki)) {
        return QuietKind::ByToki;
    }
    if (ParseHourMinuteText(quiet.fromTime) && ParseHourMinuteText(quiet.toTime)) {
        return QuietKind::ByClockTime;
    }
    return QuietKind::None;
}

QuietHoursFields QuietHoursFieldsFrom(const QuietHours& quiet)
{
    QuietHoursFields fields;
    fields.kind = static_cast<int>(QuietKindOf(quiet));
    if (IsToki(quiet.fromToki) && IsToki(quiet.toToki)) {
        fields.fromToki = quiet.fromToki;
        fields.toToki = quiet.toToki;
    }
    const auto from = ParseHourMinuteText(quiet.fromTime);
    const auto to = ParseHourMinuteText(quiet.toTime);
    fields.fromTime = from ? ClockTimeText(*from) : "22:00";
    fields.toTime = to ? ClockTimeText(*to) : "06:30";
    return fields;
}

QuietHours QuietHoursFromFields(const QuietHoursFields& fields)
{
    QuietHours quiet;
    switch (static_cast<QuietKind>(fields.kind)) {
    case QuietKind::ByToki:
        quiet.fromToki = fields.fromToki;
        quiet.toToki = fields.toToki;
        break;
    case QuietKind::ByClockTime: {
        const auto from = ParseHourMinuteText(fields.fromTime);
        const auto to = ParseHourMinuteText(fields.toTime);
        quiet.fromTime = from ? ClockTimeText(*from) : std::string();
        quiet.toTime = to ? ClockTimeText(*to) : std::string();
        break;
    }
    case QuietKind::None:
        break;
    }
    return quiet;
}

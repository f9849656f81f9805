#include "TokiAlarmFields.h"

#include "ClockSettings.h"
#include "TokiAlarmWords.h"
#include "TokiNames.h"

#include <algorithm>

TokiAlarmRow TokiAlarmRowOf(const TokiAlarm& alarm, const TokiAlarmListFields& list)
{
    TokiAlarmRow row;
    row.onOff = alarm.IsOn() ? "オン" : "オフ";
    row.moment = TokiAlarmMomentWords(alarm);
    row.days = TokiAlarmDaysWords(alarm.days);
    row.sound = TokiAlarmSoundWords(alarm.sound);
    row.next = RingInstantText(NextRingOf(alarm, list.place, list.fromMinute));
    return row;
}

int AddTokiAlarm(TokiAlarmListFields& list, TokiAlarm alarm)
{
    alarm.number = FreeTokiAlarmNumber(list.alarms);
    if (alarm.number == 0) {
        return -1;
    }
    const auto at = std::find_if(list.alarms.begin(), list.alarms.end(),
                                 [&](const TokiAlarm& a) { return a.number > alarm.number; });
    const auto inserted = list.alarms.insert(at, alarm);
    return static_cast<int>(inserted - list.alarms.begin());
}

void RemoveTokiAlarm(TokiAlarmListFields& list, std::size_t index)
{
    if (index < list.alarms.size()) {
        list.alarms.erase(list.alarms.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void ToggleTokiAlarm(TokiAlarmListFields& list, std::size_t index)
{
    if (index < list.alarms.size()) {
        TokiAlarm& alarm = list.alarms[index];
        alarm.enable = alarm.IsOn() ? 0 : 1;
    }
}

TokiAlarm NewTokiAlarm()
{
    return TokiAlarm();
}

std::array<const char*, 24> TokiChoiceNames(int twelveShiDisplay)
{
    std::array<const char*, 24> names{};
    for (int k = 0; k < kTokiCount; ++k) {
        names[static_cast<std::size_t>(k)] =
            twelveShiDisplay == kFixedHourDisplay ? kPlainNames[k] : kBranchNames[k];
    }
    return names;
}

TokiAlarmEditFields TokiAlarmEditFieldsFrom(const TokiAlarm& alarm)
{
    TokiAlarmEditFields fields;
    fields.enable = alarm.IsOn() ? 1 : 0;
    fields.kind = alarm.toki == kAlarmAtClockTime ? 1 : 0;
    fields.toki = alarm.toki >= 0 && alarm.toki < kTokiCount ? alarm.toki : -1;
    if (fields.kind == 1) {
        fields.toki = 18;  // offered if the user turns to a toki
    }
    fields.hour = alarm.hour;
    fields.minutes = alarm.minutes;
    fields.offsetMinutes = alarm.offset < 0 ? -alarm.offset : alarm.offset;
    fields.offsetAfter = alarm.offset > 0 ? 1 : 0;
    for (int d = 0; d < 7; ++d) {
        fields.days[static_cast<std::size_t>(d)] = (alarm.days >> d) & 1;
    }
    fields.sound = alarm.sound == kAlarmSoundBox || alarm.sound == kAlarmSoundNotification
                       ? alarm.sound
                       : kAlarmSoundBell;
    fields.label = alarm.label;
    return fields;
}

int DaysFromChecks(const std::array<int, 7>& checks)
{
    int days = 0;
    for (int d = 0; d < 7; ++d) {
        if (checks[static_cast<std::size_t>(d)] == 1) {
            days |= 1 << d;
        }
    }
    return days;
}

void CopyTokiAlarmEditFieldsBack(const TokiAlarmEditFields& fields, TokiAlarm& alarm)
{
    alarm.enable = fields.enable == 1 ? 1 : 0;
    alarm.toki = fields.kind == 1 ? kAlarmAtClockTime : fields.toki;
    alarm.hour = fields.hour;
    alarm.minutes = fields.minutes;
    alarm.offset = fields.offsetAfter == 1 ? fields.offsetMinutes : -fields.offsetMinutes;
    alarm.days = DaysFromChecks(fields.days);
    alarm.sound = fields.sound;
    alarm.label = fields.label;
}

TokiAlarmListFields TokiAlarmListFieldsFrom(const ClockSettings& settings, long long fromMinute)
{
    TokiAlarmListFields list;
    list.alarms = settings.tokiAlarms;
    list.place = MakeSolarPlace(settings.latitudeDegrees, settings.latitudeMinutes,
                                settings.longitudeDegrees, settings.longitudeMinutes,
                                settings.timeDifference);
    list.fromMinute = fromMinute;
    list.twelveShiDisplay = settings.twelveShiDisplay;
    return list;
}

void CopyTokiAlarmListBack(const TokiAlarmListFields& list, ClockSettings& settings)
{
    settings.tokiAlarms = list.alarms;
}

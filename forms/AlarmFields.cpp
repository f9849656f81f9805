#include "AlarmFields.h"

#include "ClockSettings.h"

AlarmFields AlarmFieldsFrom(const ClockSettings& settings)
{
    AlarmFields fields;
    fields.alarmEnable = settings.alarmEnable;
    fields.alarmHour = settings.alarmHour;
    fields.alarmMinutes = settings.alarmMinutes;
    return fields;
}

void CopyAlarmFieldsBack(const AlarmFields& fields, ClockSettings& settings)
{
    settings.alarmEnable = fields.alarmEnable;
    settings.alarmHour = fields.alarmHour;
    settings.alarmMinutes = fields.alarmMinutes;
}

#include "AlarmFields.h"

#include "ClockSettings.h"

#include <ostream>

bool operator==(const AlarmFields& a, const AlarmFields& b)
{
    return a.alarmEnable == b.alarmEnable && a.alarmHour == b.alarmHour &&
           a.alarmMinutes == b.alarmMinutes;
}

bool operator!=(const AlarmFields& a, const AlarmFields& b)
{
    return !(a == b);
}

void PrintTo(const AlarmFields& f, std::ostream* out)
{
    *out << "alarmEnable " << f.alarmEnable << ", " << f.alarmHour << ':' << f.alarmMinutes;
}

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

#pragma once

#include <iosfwd>

struct ClockSettings;

// The values the alarm dialog edits, as plain copies for one modal run.
struct AlarmFields {
    int alarmEnable = 0;   // check box 1002: 1 on, 0 off
    int alarmHour = 0;     // edit 1003, 0..23
    int alarmMinutes = 0;  // edit 1004, 0..59
};

bool operator==(const AlarmFields& a, const AlarmFields& b);
bool operator!=(const AlarmFields& a, const AlarmFields& b);
// How tests show the fields.
void PrintTo(const AlarmFields& fields, std::ostream* out);

AlarmFields AlarmFieldsFrom(const ClockSettings& settings);
// After OK; the time model is given the alarm time separately.
void CopyAlarmFieldsBack(const AlarmFields& fields, ClockSettings& settings);

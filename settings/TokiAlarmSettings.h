#pragma once

#include "IniFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The toki alarms and the chime's quiet hours as the settings file keeps
// them. Each alarm has a section of its own, "[Toki Alarm N]" with N 1..8,
// so that a user can edit it by hand; a section that is there is an alarm,
// whatever keys it lacks (they take their defaults). Numbers are taken as
// the file holds them; what makes sense is decided where they are used.

constexpr int kMaxTokiAlarms = 8;
// Label bytes in CP932 that are kept when the file is read.
constexpr std::size_t kTokiAlarmLabelBytes = 40;

// How an alarm sounds: its Sound value.
enum TokiAlarmSound : int {
    kAlarmSoundBell = 0,          // the bell, struck with the toki's count
    kAlarmSoundBox = 1,           // the alarm sound looping, a box with OK and snooze
    kAlarmSoundNotification = 2,  // a desktop notification only
};

struct TokiAlarm {
    int number = 1;     // N of "[Toki Alarm N]", 1..kMaxTokiAlarms; not a key
    int enable = 1;     // 1 on, anything else off
    int toki = 18;      // toki index 0..23 whose beginning is meant; -1 a clock time
    int hour = 0;       // with Toki=-1
    int minutes = 0;    // with Toki=-1
    int offset = 0;     // minutes before (-) or after (+), -720..720
    int days = 127;     // weekday bits, 1 Sunday ... 64 Saturday
    int sound = kAlarmSoundBell;  // a TokiAlarmSound; other values ring the bell
    std::string label;  // UTF-8; empty: the moment in words

    bool IsOn() const { return enable == 1; }
    bool operator==(const TokiAlarm& o) const;
    bool operator!=(const TokiAlarm& o) const { return !(*this == o); }
};

// Quiet hours of the hourly and toki chimes, in "[Time System]". By toki
// when both QuietFrom and QuietTo hold an index 0..23; otherwise by clock
// time when both QuietFromTime and QuietToTime read as "HH:MM"; else none.
struct QuietHours {
    int fromToki = -1;     // QuietFrom
    int toToki = -1;       // QuietTo
    std::string fromTime;  // QuietFromTime, as the file holds it
    std::string toTime;    // QuietToTime

    bool operator==(const QuietHours& o) const
    {
        return fromToki == o.fromToki && toToki == o.toToki && fromTime == o.fromTime &&
               toTime == o.toTime;
    }
};

// "Toki Alarm N".
std::string TokiAlarmSection(int number);

// The keys to read: for each N the section's presence and its eight keys,
// then the four quiet-hour keys.
std::vector<IniKey> TokiAlarmKeys();
// The alarms of the sections that are there, by N, and the quiet hours,
// from the values read for TokiAlarmKeys() (in that order).
void ReadTokiAlarmValues(const std::vector<std::optional<std::string>>& values,
                         std::vector<TokiAlarm>& alarms, QuietHours& quiet);

// What to write: the quiet hours, and every alarm of a number 1..8 in its
// section. A new file gets the keys in the order above.
std::vector<IniEntry> TokiAlarmEntries(const std::vector<TokiAlarm>& alarms,
                                       const QuietHours& quiet);
// The sections of numbers 1..8 that hold no alarm: they are removed from
// the file, so that a removed alarm does not come back at the next start.
std::vector<std::string> UnusedTokiAlarmSections(const std::vector<TokiAlarm>& alarms);

// The lowest number 1..8 no alarm has, or 0 when all eight are taken.
int FreeTokiAlarmNumber(const std::vector<TokiAlarm>& alarms);

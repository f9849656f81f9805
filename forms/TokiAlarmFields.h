#pragma once

#include "SolarDay.h"
#include "TokiAlarmSettings.h"

#include <array>
#include <string>
#include <vector>

struct ClockSettings;

// What the dialog of the toki alarms edits: the list of alarms, with what
// it needs to show each one's next ring. Plain copies for one modal run.
struct TokiAlarmListFields {
    std::vector<TokiAlarm> alarms;  // in the order of their numbers
    SolarPlace place;               // where the next rings are computed
    long long fromMinute = 0;       // the first instant that may still ring
    int twelveShiDisplay = 3;       // the style of the toki names
};

// One line of the list, column by column.
struct TokiAlarmRow {
    std::string onOff;   // "オン" or "オフ"
    std::string moment;  // TokiAlarmMomentWords
    std::string days;    // TokiAlarmDaysWords
    std::string sound;   // TokiAlarmSoundWords
    std::string next;    // RingInstantText of the next ring; "—" when off
};
TokiAlarmRow TokiAlarmRowOf(const TokiAlarm& alarm, const TokiAlarmListFields& list);

// The list's changes. Adding takes the lowest free number and keeps the
// list in the order of the numbers; it returns the new alarm's index, or -1
// for a full list, which is left as it was.
int AddTokiAlarm(TokiAlarmListFields& list, TokiAlarm alarm);
void RemoveTokiAlarm(TokiAlarmListFields& list, std::size_t index);
void ToggleTokiAlarm(TokiAlarmListFields& list, std::size_t index);
// A new alarm as the add button offers it: on, 暮六つ, every day, the bell.
TokiAlarm NewTokiAlarm();

// The 24 toki names as the display setting shows them: with their branch
// signs under the temporal display, plain under the fixed-hour one.
std::array<const char*, 24> TokiChoiceNames(int twelveShiDisplay);

// The values the edit dialog of one toki alarm edits.
struct TokiAlarmEditFields {
    int enable = 1;         // check box: 1 checked
    int kind = 0;           // radio group: 0 a toki, 1 a clock time
    int toki = 18;          // choice of the 24 names; -1 none chosen
    int hour = 0;           // edit, 0..23
    int minutes = 0;        // edit, 0..59
    int offsetMinutes = 0;  // edit, 0..720
    int offsetAfter = 0;    // choice: 0 前 (before), 1 後 (after)
    std::array<int, 7> days{1, 1, 1, 1, 1, 1, 1};  // check boxes, 日 to 土
    int sound = 0;          // radio group: 鐘, アラーム音, 通知
    std::string label;      // edit, at most kTokiAlarmLabelBytes in Shift-JIS
};

// What the dialog shows for an alarm. A toki outside 0..23 (and not -1)
// opens with none chosen; a sound outside 0..2 opens as the bell it rings.
TokiAlarmEditFields TokiAlarmEditFieldsFrom(const TokiAlarm& alarm);
// What OK stores; the number stays.
void CopyTokiAlarmEditFieldsBack(const TokiAlarmEditFields& fields, TokiAlarm& alarm);
// Weekday check boxes and bits.
int DaysFromChecks(const std::array<int, 7>& checks);

// The dialog's fields from the settings, and the alarms back after OK.
TokiAlarmListFields TokiAlarmListFieldsFrom(const ClockSettings& settings, long long fromMinute);
void CopyTokiAlarmListBack(const TokiAlarmListFields& list, ClockSettings& settings);

#pragma once

#include "InputRules.h"

#include <string>
#include <string_view>

// Rules and messages of the fields that came with the toki alarms and the
// quiet hours. Their messages name the field they are about, in front of
// the usual text: "前後の分: 0 から 720 までの整数を入力してください。"

extern const char* const kNotClockTimeMessage;  // a clock time "HH:MM" is wanted
extern const char* const kNoDayMessage;         // no weekday is checked
extern const char* const kNoTokiMessage;        // no toki is chosen

// Names of the fields, as the messages give them.
extern const char* const kQuietFromField;
extern const char* const kQuietToField;
extern const char* const kAlarmTokiField;
extern const char* const kAlarmHourField;
extern const char* const kAlarmMinutesField;
extern const char* const kAlarmOffsetField;
extern const char* const kAlarmDaysField;
extern const char* const kAlarmLabelField;

// "<field>: <message>".
std::string NamedFieldMessage(std::string_view field, std::string_view message);

// A clock time as ParseHourMinuteText reads it; value: minutes of the day.
InputCheck CheckClockTimeText(std::string_view text);

#include "NamedFieldRules.h"

#include "HourMinuteText.h"

const char* const kNotClockTimeMessage =
    "00:00 から 23:59 までの時刻を HH:MM の形で入力してください。";
const char* const kNoDayMessage = "曜日を 1 つ以上選んでください。";
const char* const kNoTokiMessage = "刻を選んでください。";

const char* const kQuietFromField = "鐘を休む時間の始め";
const char* const kQuietToField = "鐘を休む時間の終わり";
const char* const kAlarmTokiField = "刻";
const char* const kAlarmHourField = "時刻の時";
const char* const kAlarmMinutesField = "時刻の分";
const char* const kAlarmOffsetField = "前後の分";
const char* const kAlarmDaysField = "曜日";
const char* const kAlarmLabelField = "ラベル";

std::string NamedFieldMessage(std::string_view field, std::string_view message)
{
    std::string text(field);
    text += ": ";
    text += message;
    return text;
}

InputCheck CheckClockTimeText(std::string_view text)
{
    InputCheck check;
    if (const auto minutes = ParseHourMinuteText(text)) {
        check.ok = true;
        check.value = *minutes;
        return check;
    }
    check.error = InputError::NotInteger;
    check.message = kNotClockTimeMessage;
    return check;
}

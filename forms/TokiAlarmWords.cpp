#include "TokiAlarmWords.h"

#include "ClockSource.h"
#include "ClockTimeText.h"
#include "TokiAlarmSettings.h"
#include "TokiNames.h"

#include <cstdio>

const char* const kInvalidMomentWords = "(設定が正しくありません)";

namespace {

const char* const kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr int kWeekdays = 62;  // Monday to Friday
constexpr int kWeekend = 65;   // Sunday and Saturday

}  // namespace

TokiAlarmRule RuleOf(const TokiAlarm& alarm)
{
    TokiAlarmRule rule;
    rule.toki = alarm.toki;
    rule.hour = alarm.hour;
    rule.minute = alarm.minutes;
    rule.offset = alarm.offset;
    rule.days = alarm.days;
    return rule;
}

std::string TokiAlarmMomentWords(const TokiAlarm& alarm)
{
    const TokiAlarmRule rule = RuleOf(alarm);
    if (!IsValidAlarmRule(rule)) {
        return kInvalidMomentWords;
    }
    std::string words = rule.toki == kAlarmAtClockTime
                            ? ClockTimeText(rule.hour * 60 + rule.minute)
                            : std::string(kPlainNames[rule.toki]);
    if (rule.offset != 0) {
        const int minutes = rule.offset < 0 ? -rule.offset : rule.offset;
        words += "の" + std::to_string(minutes) + (rule.offset < 0 ? "分前" : "分後");
    }
    return words;
}

std::string TokiAlarmLabelText(const TokiAlarm& alarm)
{
    return alarm.label.empty() ? TokiAlarmMomentWords(alarm) : alarm.label;
}

std::string TokiAlarmDaysWords(int days)
{
    days &= kEveryDay;
    switch (days) {
    case kEveryDay:
        return "毎日";
    case kWeekdays:
        return "平日";
    case kWeekend:
        return "土日";
    case 0:
        return "なし";
    default:
        break;
    }
    std::string words;
    for (int d = 0; d < 7; ++d) {
        if (days & (1 << d)) {
            words += kWeekdayNames[d];
        }
    }
    return words;
}

std::string TokiAlarmSoundWords(int sound)
{
    switch (sound) {
    case kAlarmSoundBox:
        return "アラーム音";
    case kAlarmSoundNotification:
        return "通知";
    default:
        return "鐘";
    }
}

std::string RingInstantText(std::optional<long long> minute)
{
    if (!minute) {
        return "—";
    }
    const LocalTime t = LocalTimeOfSecondCount(*minute * 60);
    const int weekday = WeekdayOf(DayOfMinute(*minute));
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", t.year % 10000, t.month % 100,
                  t.day % 100);
    return std::string(date) + " (" + kWeekdayNames[weekday] + ") " +
           ClockTimeText(t.hour * 60 + t.minute);
}

std::optional<long long> NextRingOf(const TokiAlarm& alarm, const SolarPlace& place,
                                    long long fromMinute)
{
    if (!alarm.IsOn()) {
        return std::nullopt;
    }
    return NextAlarmRing(RuleOf(alarm), place, fromMinute);
}

#pragma once

#include "SolarDay.h"
#include "TokiAlarmTime.h"

#include <optional>
#include <string>

struct TokiAlarm;

// How a toki alarm is put in words, in its list and when it rings. UTF-8.

// The rule the time model computes with.
TokiAlarmRule RuleOf(const TokiAlarm& alarm);

// The moment: the toki's plain name or the clock time, and the offset:
// "暮六つの15分前", "明六つの10分後", "暮六つ", "06:30の5分前". A value out of
// range (from a hand-edited file) gives kInvalidMomentWords.
std::string TokiAlarmMomentWords(const TokiAlarm& alarm);
extern const char* const kInvalidMomentWords;

// The label shown in the box or notification: the alarm's own, or the
// moment in words when it has none.
std::string TokiAlarmLabelText(const TokiAlarm& alarm);

// The weekdays: "毎日", "平日" (Monday to Friday), "土日", "なし", else the
// days themselves in the order 日月火水木金土 ("月水金").
std::string TokiAlarmDaysWords(int days);

// "鐘", "アラーム音" or "通知"; values other than 1 and 2 ring the bell.
std::string TokiAlarmSoundWords(int sound);

// An instant (TokiAlarmTime.h) as "2024-12-21 (土) 17:54"; nothing: "—".
std::string RingInstantText(std::optional<long long> minute);

// The next ring of an alarm that is on, from fromMinute on; nothing for an
// alarm that is off or never rings.
std::optional<long long> NextRingOf(const TokiAlarm& alarm, const SolarPlace& place,
                                    long long fromMinute);

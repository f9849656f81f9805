// The toki alarms: armed from the settings, checked after every tick, rung
// with the bell, the alarm sound and its box, or a desktop notification.
#include "ClockController.h"

#include "ClockTimeText.h"
#include "TokiAlarmFields.h"
#include "TokiAlarmWords.h"

namespace {

const char* const kAlarmSound = "pipi.wav";
const char* const kAlarmCaption = "アラーム時刻です";
const char* const kSnoozeHint = "OK で止まります。スヌーズで 5 分後にもう一度鳴ります。";

const TokiAlarm* FindAlarm(const std::vector<TokiAlarm>& alarms, int number)
{
    for (const TokiAlarm& alarm : alarms) {
        if (alarm.number == number) {
            return &alarm;
        }
    }
    return nullptr;
}

}  // namespace

long long ClockController::ClockMinute() const
{
    return MidnightMinute(calendar.GetYear(), calendar.GetMonth(), calendar.GetDay()) +
           calendar.GetHour() * 60 + calendar.GetMinute();
}

void ClockController::ArmTokiAlarms()
{
    tokiAlarmClock.Arm(settings.tokiAlarms,
                       MakeSolarPlace(settings.latitudeDegrees, settings.latitudeMinutes,
                                      settings.longitudeDegrees, settings.longitudeMinutes,
                                      settings.timeDifference));
}

void ClockController::CheckTokiAlarms()
{
    TokiAlarmClock::Rings rings;
    const std::size_t count = tokiAlarmClock.Check(ClockMinute(), calendar.Relocated(), rings);
    // The clock has settled the minute before the first ring: a box that
    // waits for OK lets later ticks (and their rings) run meanwhile.
    for (std::size_t i = 0; i < count; ++i) {
        RingTokiAlarm(rings[i]);
    }
}

void ClockController::RingTokiAlarm(const TokiAlarmClock::Ring& ring)
{
    const TokiAlarm* found = FindAlarm(settings.tokiAlarms, ring.number);
    if (!found) {
        return;
    }
    const TokiAlarm alarm = *found;  // the box may outlive the list's entry
    const std::string label = TokiAlarmLabelText(alarm);
    const std::string words = TokiAlarmMomentWords(alarm);
    // The moment and the clock time it rings at: "暮六つの15分前 (16:53)".
    const std::string moment =
        words + " (" + ClockTimeText(calendar.GetHour() * 60 + calendar.GetMinute()) + ")";
    switch (alarm.sound) {
    case kAlarmSoundBox: {
        platform.PlaySound(kAlarmSound, SoundMode::Loop);
        std::string text = label == words ? moment : label + "\n" + moment;
        text += "\n\n";
        text += kSnoozeHint;
        const AlarmBoxAnswer answer = platform.ShowAlarmBox(text, kAlarmCaption);
        platform.StopSound();
        if (answer == AlarmBoxAnswer::Snooze) {
            tokiAlarmClock.Snooze(alarm.number);
        }
        break;
    }
    case kAlarmSoundNotification:
        platform.ShowNotification(label, moment);
        break;
    default: {
        // The toki's own count; a clock-time alarm strikes the count of the
        // toki it rings in.
        const TokiIndex toki = alarm.toki >= 0 && alarm.toki < kTokiCount
                                   ? alarm.toki
                                   : calendar.GetCurrentToki();
        bell.strikesLeft = StrikeCount(toki);
        if (bell.strikesLeft > 0) {
            StartStrikes();
        }
        break;
    }
    }
}

void ClockController::RunTokiAlarmExchange()
{
    TokiAlarmListFields fields = TokiAlarmListFieldsFrom(settings, tokiAlarmClock.NextMinute());
    if (platform.RunTokiAlarmDialog(fields)) {
        CopyTokiAlarmListBack(fields, settings);
        ArmTokiAlarms();
        SaveConfirmedSettings();
    }
}

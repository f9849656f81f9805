#include "TokiAlarmClock.h"

#include "TokiAlarmWords.h"

void TokiAlarmClock::Start(long long minute, bool atSecondZero)
{
    lastMinute = atSecondZero ? minute - 1 : minute;
    raisedMinute = kNever;
}

TokiAlarmClock::Slot* TokiAlarmClock::SlotOf(int number)
{
    return number >= 1 && number <= kMaxTokiAlarms ? &slots[static_cast<std::size_t>(number - 1)]
                                                   : nullptr;
}

const TokiAlarmClock::Slot* TokiAlarmClock::SlotOf(int number) const
{
    return const_cast<TokiAlarmClock*>(this)->SlotOf(number);
}

void TokiAlarmClock::FindNext(Slot& slot, long long from)
{
    const auto next = NextAlarmRing(RuleOf(slot.alarm), place, from);
    slot.next = next ? *next : kNever;
}

void TokiAlarmClock::Arm(const std::vector<TokiAlarm>& alarms, const SolarPlace& place)
{
    this->place = place;
    std::array<Slot, kMaxTokiAlarms> armed{};
    for (const TokiAlarm& alarm : alarms) {
        Slot* old = SlotOf(alarm.number);
        if (!old || !alarm.IsOn()) {
            continue;
        }
        Slot& slot = armed[static_cast<std::size_t>(alarm.number - 1)];
        slot.armed = true;
        slot.alarm = alarm;
        // A snooze goes on for the alarm as it was when it rang.
        if (old->armed && old->alarm == alarm) {
            slot.snooze = old->snooze;
        }
        FindNext(slot, NextMinute());
    }
    slots = armed;
}

std::size_t TokiAlarmClock::Check(long long minute, bool jumped, Rings& out)
{
    if (minute == lastMinute) {
        return 0;
    }
    const bool jump = jumped || minute != lastMinute + 1;
    lastMinute = minute;
    if (jump) {
        // What the jump passed over, and the minute it landed in, stay silent.
        for (Slot& slot : slots) {
            if (slot.armed) {
                FindNext(slot, minute + 1);
                if (slot.snooze <= minute) {
                    slot.snooze = kNever;
                }
            }
        }
        return 0;
    }
    if (minute == raisedMinute) {
        return 0;  // set back by seconds over the turn of the minute: rung already
    }
    raisedMinute = minute;

    std::size_t count = 0;
    for (int n = 1; n <= kMaxTokiAlarms; ++n) {
        Slot& slot = *SlotOf(n);
        if (!slot.armed) {
            continue;
        }
        if (slot.next != kNever && slot.next < minute) {
            FindNext(slot, minute);  // left behind by a set-back clock
        }
        if (slot.next == minute) {
            out[count++] = Ring{n, false};
            FindNext(slot, minute + 1);
        }
        if (slot.snooze == minute) {
            out[count++] = Ring{n, true};
            slot.snooze = kNever;
        } else if (slot.snooze != kNever && slot.snooze < minute) {
            slot.snooze = kNever;
        }
    }
    return count;
}

void TokiAlarmClock::Snooze(int number)
{
    if (Slot* slot = SlotOf(number); slot && slot->armed) {
        slot->snooze = lastMinute + kSnoozeMinutes;
    }
}

long long TokiAlarmClock::NextRingOf(int number) const
{
    const Slot* slot = SlotOf(number);
    return slot && slot->armed ? slot->next : kNever;
}

long long TokiAlarmClock::SnoozeOf(int number) const
{
    const Slot* slot = SlotOf(number);
    return slot && slot->armed ? slot->snooze : kNever;
}

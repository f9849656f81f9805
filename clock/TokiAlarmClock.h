#pragma once

#include "SolarDay.h"
#include "TokiAlarmSettings.h"
#include "TokiAlarmTime.h"

#include <array>
#include <cstddef>
#include <vector>

// When the toki alarms ring, minute by minute, as the clock runs: each
// alarm's next ring is computed ahead (TokiAlarmTime.h) and compared with
// every new minute the clock reaches. A minute reached by a jump of the
// clock (sleep, a clock set by hand, a new zone) rings nothing: an alarm
// whose minute was passed over does not ring late; the next rings are
// found afresh from the minute after it. A minute rings once, even when the
// clock is set back over its start by seconds.
//
// Instants are minutes as in TokiAlarmTime.h. No heap once armed.
class TokiAlarmClock {
public:
    static constexpr long long kNever = -(1LL << 62);
    // Minutes after the snooze is pressed that the alarm rings again.
    static constexpr int kSnoozeMinutes = 5;

    // One ring due in a minute: which alarm, and whether it is a snooze.
    struct Ring {
        int number = 0;  // the alarm's N
        bool snooze = false;
    };
    // At most every alarm and every snooze at once.
    using Rings = std::array<Ring, 2 * kMaxTokiAlarms>;

    // At start: the clock reads minute; a start at second 0 leaves that
    // minute's rings to the first check, as the time model leaves its events.
    void Start(long long minute, bool atSecondZero);

    // Takes the alarms that are on and their place, and finds each one's next
    // ring from the minute after the last one checked. Snoozes of alarms that
    // are gone, off or changed are dropped.
    void Arm(const std::vector<TokiAlarm>& alarms, const SolarPlace& place);

    // After each tick: the clock now reads minute; jumped when the time model
    // found the toki afresh after a jump. Fills out with the rings due in a
    // new minute that follows the last one and returns how many.
    std::size_t Check(long long minute, bool jumped, Rings& out);

    // The alarm rings again kSnoozeMinutes after the minute the clock reads.
    void Snooze(int number);

    // The first minute not yet checked: where a new alarm may first ring.
    long long NextMinute() const { return lastMinute + 1; }
    // The next ring of alarm N that is armed, or kNever.
    long long NextRingOf(int number) const;
    long long SnoozeOf(int number) const;

private:
    struct Slot {
        bool armed = false;
        TokiAlarm alarm;
        long long next = kNever;    // kNever: it never rings
        long long snooze = kNever;  // kNever: no snooze pending
    };
    void FindNext(Slot& slot, long long from);
    Slot* SlotOf(int number);
    const Slot* SlotOf(int number) const;

    SolarPlace place;
    std::array<Slot, kMaxTokiAlarms> slots{};
    long long lastMinute = kNever;    // the last minute checked
    long long raisedMinute = kNever;  // the last minute whose rings were raised
};

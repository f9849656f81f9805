#include "TickSchedule.h"

#include "ClockPlatform.h"

namespace {

constexpr int kQuarterUs = kBaseTimerPeriodMs * 1000;
static_assert(1000000 % kQuarterUs == 0, "the period must divide the second");
static_assert(kTickInStepUs > 0 && kTickInStepUs < kQuarterUs, "in step lies inside a quarter");

// Readings out of range (a leap second's extra microseconds, a careless
// source) are folded into the second: only the phase matters.
int IntoQuarter(int microsecondOfSecond)
{
    const int us = microsecondOfSecond % kQuarterUs;
    return us < 0 ? us + kQuarterUs : us;
}

}  // namespace

int NextTickDelayMs(int microsecondOfSecond)
{
    const int untilNextQuarterUs = kQuarterUs - IntoQuarter(microsecondOfSecond);
    return (untilNextQuarterUs + 999) / 1000;
}

TickArming FirstTickArming(int microsecondOfSecond)
{
    return {TickArming::Once, NextTickDelayMs(microsecondOfSecond)};
}

TickArming TickArmingAfterFiring(int microsecondOfSecond, bool timerRunning)
{
    if (IntoQuarter(microsecondOfSecond) >= kTickInStepUs) {
        return {TickArming::Once, NextTickDelayMs(microsecondOfSecond)};
    }
    if (!timerRunning) {
        return {TickArming::Repeat, kBaseTimerPeriodMs};  // in step again after a one-shot
    }
    return {TickArming::Keep, 0};
}

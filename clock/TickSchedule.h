#pragma once

// When the base tick fires. Its firings keep step with the wall clock: each
// falls just after a quarter of the wall-clock second, so that a new second
// is drawn as it begins instead of up to a period late.
//
// The 250 ms timer itself runs on the system's monotonic clock, and each of
// its firings comes a little late and starts the next period from there, so
// it slowly falls behind (some milliseconds a second). At every firing the
// wall clock is read: a firing that fell in step leaves the timer alone; any
// other one (drift, a late wake-up, a clock that was set, a resume from
// suspend, a modal loop that held the tick) re-arms it for the next quarter,
// once, and the next firing, in step, starts the plain period again.
// Readings are microseconds into the wall-clock second, 0..999999; local
// time differs from UTC by whole minutes, so either will do.

// A firing up to this long after a quarter is in step.
constexpr int kTickInStepUs = 4000;

// How to arm the base timer.
struct TickArming {
    enum Kind {
        Keep,    // leave the running timer as it is
        Once,    // fire once after ms
        Repeat,  // fire every ms
    };
    Kind kind = Keep;
    int ms = 0;
    bool operator==(const TickArming& o) const { return kind == o.kind && ms == o.ms; }
};

// Milliseconds from a reading to the next quarter of the second: the first
// quarter after the one the reading falls in, rounded up to whole
// milliseconds so that the timer never fires before it. A reading late in
// its quarter (a late wake-up) gives a short delay, never a skipped quarter.
// Always 1..250.
int NextTickDelayMs(int microsecondOfSecond);

// At start: once, at the next quarter.
TickArming FirstTickArming(int microsecondOfSecond);

// At a firing, before the tick's work; timerRunning tells a repeating timer
// (still running) from a one-shot (stopped once fired).
TickArming TickArmingAfterFiring(int microsecondOfSecond, bool timerRunning);

#pragma once

#include "ClockController.h"
#include "FakeClockPlatform.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <vector>

// A clock controller on a fake platform and a hand-set clock, driven by
// simulated time: timers fire in order of their due times (250 ms ticks,
// 200 ms animation steps, 15 s New Year's Eve strikes), the wall clock follows
// the simulated time, and a pending repaint runs after each event as the
// window's message loop would. Simulated time 0 is the start instant.
class ClockRig : public ::testing::Test {
protected:
    static constexpr int kLineHeight = 12;

    std::shared_ptr<ManualClockSource> clock = std::make_shared<ManualClockSource>();
    FakeClockPlatform platform;
    ClockController controller{platform, clock};
    ClockSettings settings;  // the defaults; tests edit them before Start

    static LocalTime At(int y, int mo, int d, int h, int mi, int s)
    {
        return LocalTime{y, mo, d, h, mi, s};
    }

    // The instant a number of seconds after (or before) t.
    static LocalTime Offset(const LocalTime& t, long long seconds);

    // Sets the clock and runs the start-up with `settings`.
    void Start(const LocalTime& start);

    // Fires every timer due up to and including the target time. May be
    // called again from inside a message box (a nested message loop).
    void RunUntilMs(long long targetMs);
    void RunForMs(long long ms) { RunUntilMs(platform.nowMs + ms); }
    void RunUntil(const LocalTime& t) { RunUntilMs(MsOf(t)); }

    // The wall clock jumps by seconds while simulated time and the timers run
    // on, as after a machine's sleep or a clock set by hand.
    void MoveWallClock(long long seconds) { startEpoch += seconds; }

    // A menu command (or double click) delivered now, with its repaint.
    void Command(ClockCommand command);
    void DoubleClick();

    // Times of the bell strikes ("Gooohn.wav") in [fromMs, toMs].
    std::vector<long long> StrikesBetween(long long fromMs, long long toMs) const;

    // Simulated milliseconds of a wall-clock instant, and back.
    long long MsOf(const LocalTime& t) const;
    LocalTime WallClockAt(long long ms) const;

private:
    void RepaintIfPending();

    std::time_t startEpoch = 0;
};

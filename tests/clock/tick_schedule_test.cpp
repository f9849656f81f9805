#include "TickSchedule.h"

#include "ClockController.h"
#include "EpochTime.h"
#include "FakeClockPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr TickArming kKeep{TickArming::Keep, 0};
TickArming Once(int ms) { return {TickArming::Once, ms}; }
TickArming Every(int ms) { return {TickArming::Repeat, ms}; }

struct DelayCase {
    const char* what;
    int microsecond;  // of the wall-clock reading
    int delayMs;      // to the next quarter
};

TEST(TickSchedule, DelayToTheNextQuarterOfTheWallClockSecond)
{
    const DelayCase cases[] = {
        {"on the second itself: the next quarter", 0, 250},
        {"a firing 1.2 ms after the second", 1200, 249},
        {"one microsecond before a quarter", 249999, 1},
        {"on a quarter", 750000, 250},
        {"timer early: 0.5 ms before the second turns", 999500, 1},
        {"woke 240 ms late: the next quarter, not the one after", 240000, 10},
        {"rounded up, never early", 730001, 20},
        {"a leap second's extra microseconds fold in", 1000300, 250},
        {"a reading below zero folds in", -1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextTickDelayMs(c.microsecond), c.delayMs) << c.what;
        EXPECT_EQ(FirstTickArming(c.microsecond), Once(c.delayMs)) << c.what;
    }
}

struct ArmingCase {
    const char* what;
    int microsecond;    // read at the firing
    bool timerRunning;  // a repeating timer (true) or a fired one-shot
    TickArming expected;
};

TEST(TickSchedule, ATimerInStepIsLeftAloneAndAnyOtherOneIsBroughtBack)
{
    const ArmingCase cases[] = {
        {"on the quarter", 500000, true, kKeep},
        {"3.9 ms late is in step", 253999, true, kKeep},
        {"drifted 4 ms behind: once, to the next quarter", 4000, true, Once(246)},
        {"drifted well behind", 520400, true, Once(230)},
        {"early: the second has not turned yet", 999000, true, Once(1)},
        {"clock set forward 0.39 s since the last firing", 640000, true, Once(110)},
        {"clock set back 0.4 s since the last firing", 100000, true, Once(150)},
        {"a modal loop held the tick 3.3 s", 300000, true, Once(200)},
        {"late wake-up, 240 ms", 240000, true, Once(10)},
        {"the one-shot landed in step: the plain period again", 1200, false, Every(250)},
        {"the one-shot landed off step too: once more", 30000, false, Once(220)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TickArmingAfterFiring(c.microsecond, c.timerRunning), c.expected) << c.what;
    }
}

// The base tick on a simulated timer, as GLib runs it: a one-shot fires its
// delay after being armed, a repeating one starts each period when its last
// firing was handled, and every firing comes a little late. The wall clock
// runs beside it and can be set, so the tick's phase can be knocked about.
class SteppedTicks : public ::testing::Test {
protected:
    static constexpr long long kStartEpoch = 1136148585;  // 2006-01-01 20:49:45 UTC

    SteppedTicks()
    {
        settings.chime = TICK_HOUR | TICK_HALF_HOUR;
        clock->Set(WallAt(0));
        controller.InitialUpdate(settings);
        Arm(FirstTickArming(WallAt(0).microsecond), 0);
    }

    // The wall clock (UTC) at a monotonic instant.
    LocalTime WallAt(long long monoUs) const
    {
        const long long wallUs = kStartEpoch * 1000000 + monoUs + wallOffsetUs;
        LocalTime t = LocalTimeAtEpoch(static_cast<std::time_t>(wallUs / 1000000));
        t.microsecond = static_cast<int>(wallUs % 1000000);
        return t;
    }

    void Arm(const TickArming& arming, long long nowUs)
    {
        if (arming.kind != TickArming::Keep) {
            repeating = arming.kind == TickArming::Repeat;
            periodUs = arming.ms * 1000LL;
            dueUs = nowUs + periodUs;
        }
    }

    // Runs the ticks until the monotonic instant; each firing comes late by
    // a few hundred microseconds, varying.
    void RunUntil(long long endUs)
    {
        while (dueUs <= endUs) {
            const long long firedUs = dueUs + 150 + (firings * 37) % 700 + extraLateUs;
            extraLateUs = 0;
            ++firings;
            const LocalTime wall = WallAt(firedUs);
            clock->Set(wall);
            platform.nowMs = firedUs / 1000;
            const bool running = repeating;  // a fired one-shot has stopped
            if (repeating) {
                dueUs = firedUs + periodUs;  // the next period starts now
            }
            Arm(TickArmingAfterFiring(wall.microsecond, running), firedUs);
            const std::size_t drawnBefore = platform.TextsAt(50, 38).size();
            controller.OnTimer(kBaseTimer);
            if (platform.TextsAt(50, 38).size() > drawnBefore) {
                drawnLateUs.push_back(wall.microsecond);  // a new second, this far in
            }
        }
    }

    std::shared_ptr<ManualClockSource> clock = std::make_shared<ManualClockSource>();
    FakeClockPlatform platform;
    ClockController controller{platform, clock};
    ClockSettings settings;

    long long wallOffsetUs = 0;  // the clock being set
    long long extraLateUs = 0;   // the next firing comes this much later still
    bool repeating = false;
    long long periodUs = 0;
    long long dueUs = 0;
    int firings = 0;
    std::vector<int> drawnLateUs;  // microseconds into its second each new second was drawn
};

TEST_F(SteppedTicks, EveryHalfHourChimesOnceAndEverySecondIsDrawnAsItBegins)
{
    // From 20:49:45 to 22:00:15 with the phase knocked about near the
    // minute marks that chime: 21:00, 21:30 and 22:00.
    constexpr long long kS = 1000000;
    RunUntil(614 * kS + 800000);   // wall 20:59:59.8
    wallOffsetUs += 130000;        // clock set forward 0.13 s
    RunUntil(2414 * kS + 700000);  // wall 21:29:59.83
    extraLateUs = 240000;          // a late wake-up across the half hour
    RunUntil(2420 * kS);           // wall 21:30:05.13
    wallOffsetUs -= 370000;        // clock set back 0.37 s, within a minute
    RunUntil(3000 * kS);           // wall 21:39:44.76
    wallOffsetUs += 37 * kS + 437000;  // resumed after 37.4 s of suspend
    RunUntil(4230 * kS);               // wall 22:00:12

    EXPECT_EQ(platform.StartsOf(kAnimationTimer).size(), 3u) << "21:00, 21:30, 22:00";

    // The seconds follow each other one by one, except where the clock was
    // set back (one second again) and across the suspend (slept through).
    std::vector<int> irregular;
    int previous = -1;
    for (const auto& text : platform.TextsAt(50, 38)) {
        const int h = std::stoi(text.text.substr(0, 2));
        const int m = std::stoi(text.text.substr(3, 2));
        const int s = std::stoi(text.text.substr(6, 2));
        const int second = (h * 60 + m) * 60 + s;
        if (previous >= 0 && second != previous + 1) {
            irregular.push_back(second - previous);
        }
        previous = second;
    }
    EXPECT_EQ(irregular, (std::vector<int>{-1, 38})) << "set back, then the suspend";

    // Once in step, a new second is drawn within a few milliseconds of its
    // start; only the first one (a quarter after the start) and the one
    // right after each of the four knocks come later.
    const auto late = std::count_if(drawnLateUs.begin(), drawnLateUs.end(),
                                    [](int us) { return us > kTickInStepUs + 1000; });
    EXPECT_LE(late, 5);
}

}  // namespace

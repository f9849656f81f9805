#include "ClockRig.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

// Yokohama, 2006-12-31: the last boundary of the day (solar midnight, toki 0)
// is at 23:44, so TICK_JOYA comes at 23:44:00 and every minute to 23:59.

namespace {

const std::string kStopItem = "32776 除夜の鐘中止";
const std::vector<std::string> kPlainMenu{"32774 鐘をつく(&D)", "32773 設定(&S)"};

class NewYearsEve : public ClockRig {
protected:
    const LocalTime eve = At(2006, 12, 31, 23, 44, 0);

    void StartBeforeTheEve() { Start(At(2006, 12, 31, 23, 42, 57)); }
    std::vector<std::string> Countdowns() const
    {
        std::vector<std::string> texts;
        for (const auto& t : platform.TextsAt(0, kLineHeight)) {
            EXPECT_EQ(t.font, ClockFont::Small);
            EXPECT_EQ(t.background, (Rgb{255, 127, 0}));
            texts.push_back(t.text);
        }
        return texts;
    }
};

TEST_F(NewYearsEve, SequenceStartsByItselfAtTheSolarMidnight)
{
    settings.chime = TICK_HALF_TOKI | TICK_FULL_TOKI | TICK_HOUR | TICK_HALF_HOUR;
    StartBeforeTheEve();
    RunUntilMs(MsOf(eve) - 1);
    platform.ClearRecords();
    RunUntil(eve);

    // TICK_FULL_TOKI | TICK_JOYA: both pictures show toki 0, no chime follows.
    const auto branch = platform.PicturesOf(ClockPicture::Branch);
    const auto toki = platform.PicturesOf(ClockPicture::Toki);
    ASSERT_EQ(branch.size(), 1u);
    ASSERT_EQ(toki.size(), 1u);
    EXPECT_EQ(branch[0].srcX, 0);
    EXPECT_EQ(toki[0].srcX, 0);
    EXPECT_TRUE(platform.StartsOf(kAnimationTimer).empty());
    EXPECT_EQ(platform.calls[0].rfind("draw", 0), 0u);
    const std::vector<std::string> menuAtStart{kStopItem, "-", kPlainMenu[0], kPlainMenu[1]};
    EXPECT_EQ(platform.menu, menuAtStart);
    const auto joyaStarts = platform.StartsOf(kJoyaTimer);
    ASSERT_EQ(joyaStarts.size(), 1u);
    EXPECT_EQ(joyaStarts[0].periodMs, 15000);
    EXPECT_EQ(controller.JoyaLeft(), 108);
    EXPECT_EQ(controller.JoyaArmed(), 0);
    EXPECT_EQ(Countdowns(), std::vector<std::string>{" 除夜の鐘 残り108 "});
}

TEST_F(NewYearsEve, HundredAndEightStrikesEveryFifteenSecondsWithACountdown)
{
    settings.chime = TICK_HALF_TOKI | TICK_FULL_TOKI | TICK_HOUR | TICK_HALF_HOUR;
    StartBeforeTheEve();
    RunUntil(At(2007, 1, 1, 0, 12, 0));

    const long long start = MsOf(eve);
    const long long end = start + 108 * 15000LL;  // 00:11:00
    std::vector<long long> expected;
    for (int k = 1; k <= 108; ++k) {
        expected.push_back(start + 15000LL * k + 1600);
    }
    EXPECT_EQ(platform.SoundTimes("Gooohn.wav"), expected);
    // One series per strike: the hourly chime at 00:00 was dropped.
    EXPECT_EQ(platform.StartsOf(kAnimationTimer).size(), 108u);
    // Started once, though TICK_JOYA came every minute to 23:59.
    EXPECT_EQ(platform.StartsOf(kJoyaTimer).size(), 1u);
    const auto joyaStops = platform.StopsOf(kJoyaTimer);
    ASSERT_EQ(joyaStops.size(), 1u);
    EXPECT_EQ(joyaStops[0].atMs, end);
    EXPECT_NE(std::find(platform.invalidations.begin(), platform.invalidations.end(), end),
              platform.invalidations.end());

    const auto countdowns = Countdowns();
    const std::set<std::string> seen(countdowns.begin(), countdowns.end());
    EXPECT_EQ(seen.size(), 108u);  // 108 down to 1
    EXPECT_EQ(countdowns.front(), " 除夜の鐘 残り108 ");
    EXPECT_TRUE(seen.count(" 除夜の鐘 残り 10 "));
    EXPECT_TRUE(seen.count(" 除夜の鐘 残り  7 "));
    EXPECT_EQ(countdowns.back(), " 除夜の鐘 残り  1 ");
    EXPECT_LT(platform.TextsAt(0, kLineHeight).back().atMs, end);

    // Ended by its count: the item stays until chosen, the sequence stays disarmed.
    EXPECT_EQ(platform.menu.front(), kStopItem);
    EXPECT_EQ(controller.JoyaLeft(), 0);
    EXPECT_EQ(controller.JoyaArmed(), 0);
}

TEST_F(NewYearsEve, StopTakesEffectAtTheTimersNextFiring)
{
    StartBeforeTheEve();
    RunUntil(At(2006, 12, 31, 23, 44, 20));  // the first strike sounded at 23:44:16.6
    platform.ClearRecords();
    Command(ClockCommand::StopJoya);

    EXPECT_EQ(platform.calls, (std::vector<std::string>{"remove item 32776", "remove at 0"}));
    EXPECT_EQ(platform.menu, kPlainMenu);
    EXPECT_EQ(controller.JoyaLeft(), 0);
    EXPECT_TRUE(platform.IsRunning(kJoyaTimer));

    RunUntil(At(2006, 12, 31, 23, 45, 0));
    const auto joyaStops = platform.StopsOf(kJoyaTimer);
    ASSERT_EQ(joyaStops.size(), 1u);
    EXPECT_EQ(joyaStops[0].atMs, MsOf(At(2006, 12, 31, 23, 44, 30)));
    EXPECT_TRUE(platform.StartsOf(kAnimationTimer).empty());
    // The strike that was sounding finished its animation.
    const auto bellStops = platform.StopsOf(kAnimationTimer);
    ASSERT_EQ(bellStops.size(), 1u);
    EXPECT_EQ(bellStops[0].atMs, MsOf(At(2006, 12, 31, 23, 44, 21)));
    EXPECT_TRUE(Countdowns().empty());
}

TEST_F(NewYearsEve, AfterTheSequenceTheEveEventStillEndsTheDispatchBeforeTheChime)
{
    settings.chime = TICK_JOYA | TICK_HALF_TOKI | TICK_FULL_TOKI;  // hand-edited mask
    StartBeforeTheEve();
    RunUntil(At(2006, 12, 31, 23, 50, 5));
    Command(ClockCommand::StopJoya);
    RunUntil(At(2006, 12, 31, 23, 50, 30));  // the timer has found 0 and stopped
    ASSERT_FALSE(platform.IsRunning(kJoyaTimer));
    platform.ClearRecords();

    RunUntil(At(2006, 12, 31, 23, 59, 59));  // TICK_JOYA at every minute
    EXPECT_TRUE(platform.StartsOf(kAnimationTimer).empty());
    EXPECT_TRUE(platform.StartsOf(kJoyaTimer).empty());
    EXPECT_EQ(platform.menu, kPlainMenu);
}

TEST_F(NewYearsEve, BellCommandsDuringTheSequence)
{
    StartBeforeTheEve();
    RunUntil(At(2006, 12, 31, 23, 44, 17));  // the first strike is sounding
    DoubleClick();                             // silences it, not the sequence
    RunUntil(At(2006, 12, 31, 23, 44, 35));
    const long long start = MsOf(eve);
    EXPECT_EQ(StrikesBetween(start + 17000, platform.nowMs),
              std::vector<long long>{start + 30000 + 1600});

    Command(ClockCommand::Strike);  // without Shift: one strike now
    RunUntil(At(2006, 12, 31, 23, 44, 40));
    EXPECT_EQ(StrikesBetween(start + 35000, platform.nowMs),
              std::vector<long long>{start + 35000 + 1600});
    EXPECT_EQ(controller.JoyaLeft(), 106);
}

TEST_F(NewYearsEve, ShiftStrikeRearmsRestartsAndAddsAnotherItem)
{
    StartBeforeTheEve();
    RunUntil(At(2006, 12, 31, 23, 50, 5));
    ASSERT_EQ(controller.JoyaArmed(), 0);
    platform.shiftDown = true;
    Command(ClockCommand::Strike);
    const long long restart = platform.nowMs;

    EXPECT_EQ(controller.JoyaLeft(), 108);
    EXPECT_EQ(controller.JoyaArmed(), 0);
    const std::vector<std::string> twoItems{kStopItem, "-", kStopItem, "-", kPlainMenu[0],
                                            kPlainMenu[1]};
    EXPECT_EQ(platform.menu, twoItems);
    RunUntil(At(2006, 12, 31, 23, 50, 30));
    EXPECT_EQ(StrikesBetween(restart, platform.nowMs),
              std::vector<long long>{restart + 15000 + 1600});  // a fresh 15 s period

    Command(ClockCommand::StopJoya);
    EXPECT_EQ(platform.menu, (std::vector<std::string>{kStopItem, "-", kPlainMenu[0],
                                                        kPlainMenu[1]}));
    Command(ClockCommand::StopJoya);
    EXPECT_EQ(platform.menu, kPlainMenu);
    platform.ClearRecords();
    Command(ClockCommand::StopJoya);  // no item of ours left: the menu is not touched
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_EQ(platform.menu, kPlainMenu);
}

TEST_F(NewYearsEve, CountNeverGoesBelowZeroWhenABoxHoldsTheLastStrike)
{
    // Without an animation timer every strike raises a message box, and the
    // Joya timer keeps firing while one is open.
    platform.failingTimers = {kAnimationTimer};
    int depth = 0;
    platform.onMessage = [&](const FakeClockPlatform::Message&) {
        if (depth == 0 && controller.JoyaLeft() <= 1) {
            ++depth;
            RunForMs(20 * 1000);
            --depth;
        }
    };
    StartBeforeTheEve();
    RunUntil(At(2007, 1, 1, 0, 15, 0));

    EXPECT_EQ(controller.JoyaLeft(), 0);
    EXPECT_FALSE(platform.IsRunning(kJoyaTimer));
    EXPECT_EQ(platform.messages.size(), 108u);
    EXPECT_EQ(Countdowns().back(), " 除夜の鐘 残り  1 ");
}

// At 24°N 153°E toki 0 of 31 December begins at 22:51. Its boundary strikes
// the ordinary chime of 暁九つ; the 108 bells wait for the first tick of hour 23.
TEST_F(NewYearsEve, FarEastWaitsForHour23ThoughTokiZeroBeginsAt2251)
{
    settings.latitudeDegrees = 24;
    settings.latitudeMinutes = 0;
    settings.longitudeDegrees = 153;
    settings.longitudeMinutes = 0;
    Start(At(2006, 12, 31, 22, 49, 57));
    const LocalTime hour23 = At(2006, 12, 31, 23, 0, 0);
    RunUntilMs(MsOf(hour23) - 1);

    const long long boundary = MsOf(At(2006, 12, 31, 22, 51, 0));
    std::vector<long long> nineStrokes;
    for (int k = 0; k < 9; ++k) {
        nineStrokes.push_back(boundary + 1600 + 6000LL * k);
    }
    EXPECT_EQ(platform.SoundTimes("Gooohn.wav"), nineStrokes);
    EXPECT_TRUE(platform.StartsOf(kJoyaTimer).empty());
    EXPECT_EQ(controller.JoyaLeft(), 0);
    EXPECT_EQ(controller.JoyaArmed(), 1);
    EXPECT_EQ(platform.menu, kPlainMenu);
    EXPECT_TRUE(Countdowns().empty());

    RunUntil(hour23);
    const auto joyaStarts = platform.StartsOf(kJoyaTimer);
    ASSERT_EQ(joyaStarts.size(), 1u);
    EXPECT_EQ(joyaStarts[0].atMs, MsOf(hour23));
    EXPECT_EQ(controller.JoyaLeft(), 108);
    EXPECT_EQ(platform.menu.front(), kStopItem);
    EXPECT_EQ(Countdowns(), std::vector<std::string>{" 除夜の鐘 残り108 "});

    RunUntil(At(2006, 12, 31, 23, 0, 20));
    EXPECT_EQ(StrikesBetween(MsOf(hour23), platform.nowMs),
              std::vector<long long>{MsOf(hour23) + 15000 + 1600});
}

using JoyaByHand = ClockRig;

TEST_F(JoyaByHand, ShiftStrikeStartsTheFullSequenceOnAnyDay)
{
    Start(At(2006, 6, 21, 12, 0, 10));
    platform.shiftDown = true;
    Command(ClockCommand::Strike);
    EXPECT_EQ(controller.JoyaLeft(), 108);
    EXPECT_EQ(controller.JoyaArmed(), 0);
    EXPECT_EQ(platform.menu.front(), kStopItem);
    EXPECT_TRUE(platform.IsRunning(kJoyaTimer));
    EXPECT_FALSE(platform.IsRunning(kAnimationTimer));  // no strike of its own
}

TEST_F(JoyaByHand, ShiftStrikeDoesNothingWhenTheMaskShutsTheEveOut)
{
    settings.joya = 0;
    Start(At(2006, 6, 21, 12, 0, 10));
    platform.shiftDown = true;
    platform.ClearRecords();
    Command(ClockCommand::Strike);
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_EQ(controller.JoyaLeft(), 0);
    EXPECT_EQ(controller.JoyaArmed(), 1);
}

TEST_F(JoyaByHand, TimerFailureLeavesTheSequenceRunningWithoutStrikes)
{
    settings.chime = TICK_HOUR;
    platform.failingTimers = {kJoyaTimer};
    Start(At(2006, 6, 21, 12, 59, 0));
    platform.shiftDown = true;
    Command(ClockCommand::Strike);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Cannot set Joya timer! ");
    EXPECT_EQ(platform.messages[0].caption, "");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    RunUntil(At(2006, 6, 21, 13, 2, 0));
    EXPECT_EQ(controller.JoyaLeft(), 108);
    EXPECT_EQ(platform.menu.front(), kStopItem);
    EXPECT_TRUE(platform.sounds.empty());  // the 13:00 chime is blocked too
    EXPECT_EQ(platform.TextsAt(0, kLineHeight).back().text, " 除夜の鐘 残り108 ");
}

}  // namespace

#include "ClockRig.h"

#include <string>
#include <vector>

// Yokohama, 2006-01-01 boundaries: 00:50 (toki 1), 06:15 (6), 07:10 (7),
// 09:00 (9), 11:45 (12), 21:35 (22), 23:45 (0 of the next night).

namespace {

struct ScheduleCase {
    const char* name;
    int chime, chimeCount;
    LocalTime at;  // the minute the chime may fall due
    int strikes;   // 0: no chime
};

void PrintTo(const ScheduleCase& c, std::ostream* os) { *os << c.name; }

class Schedule : public ClockRig, public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(Schedule, StrikesOfTheChimeDueAtTheMinute)
{
    const auto& c = GetParam();
    settings.chime = c.chime;
    settings.chimeCount = c.chimeCount;
    Start(Offset(c.at, -63));  // located before the minute ahead of a boundary
    RunUntil(Offset(c.at, 80));

    const long long due = MsOf(c.at);
    const auto strikes = StrikesBetween(0, platform.nowMs);
    ASSERT_EQ(static_cast<int>(strikes.size()), c.strikes);
    for (std::size_t k = 0; k < strikes.size(); ++k) {
        EXPECT_EQ(strikes[k], due + 1600 + 6000 * static_cast<long long>(k));
    }
    if (c.strikes == 0) {
        EXPECT_TRUE(platform.StartsOf(kAnimationTimer).empty());
    }
}

constexpr LocalTime Jan1(int h, int m) { return LocalTime{2006, 1, 1, h, m, 0}; }

INSTANTIATE_TEST_SUITE_P(
    Cases, Schedule,
    ::testing::Values(
        // every boundary, counts by the strike table
        ScheduleCase{"Toki_Akatsuki9", 3, 2, Jan1(23, 45), 9},
        ScheduleCase{"Toki_HalfAfterMidnight", 3, 2, Jan1(0, 50), 1},
        ScheduleCase{"Toki_Dawn", 3, 2, Jan1(6, 15), 6},
        ScheduleCase{"Toki_Noon", 3, 2, Jan1(11, 45), 9},
        ScheduleCase{"Toki_Night4", 3, 2, Jan1(21, 35), 4},
        ScheduleCase{"Toki_HalfOnTheHour", 3, 2, Jan1(9, 0), 1},
        // half toki only
        ScheduleCase{"Half_NotAtFullToki", 1, 2, Jan1(6, 15), 0},
        ScheduleCase{"Half_AtHalfToki", 1, 2, Jan1(7, 10), 1},
        // clock hours on a twelve-hour dial
        ScheduleCase{"Hour_Midnight", 4, 2, LocalTime{2006, 1, 2, 0, 0, 0}, 12},
        ScheduleCase{"Hour_Noon", 4, 2, Jan1(12, 0), 12},
        ScheduleCase{"Hour_13", 4, 2, Jan1(13, 0), 1},
        ScheduleCase{"Hour_23", 4, 2, Jan1(23, 0), 11},
        ScheduleCase{"Hour_NotAtBoundary", 4, 2, Jan1(6, 15), 0},
        ScheduleCase{"HalfHour_At30", 12, 2, Jan1(12, 30), 1},
        ScheduleCase{"HalfHour_AtHour", 12, 2, Jan1(5, 0), 5},
        // other values are masks; the hour rule wins where its bit is set
        ScheduleCase{"Mask2_FullToki", 2, 2, Jan1(6, 15), 6},
        ScheduleCase{"Mask2_NotHalfToki", 2, 2, Jan1(7, 10), 0},
        ScheduleCase{"Mask7_BoundaryOnTheHour", 7, 2, Jan1(9, 0), 9},
        // "常に１回"
        ScheduleCase{"Once_Dawn", 3, 1, Jan1(6, 15), 1},
        ScheduleCase{"Once_Hour23", 4, 1, Jan1(23, 0), 1},
        // "鐘を鳴らさない"
        ScheduleCase{"Never_Dawn", 3, 0, Jan1(6, 15), 0},
        ScheduleCase{"Never_Noon", 4, 0, Jan1(12, 0), 0}),
    [](const auto& test) { return std::string(test.param.name); });

class SeriesTiming : public ClockRig, public ::testing::WithParamInterface<int> {};

// An hourly chime at hour N (1 to 12) strikes N times.
TEST_P(SeriesTiming, StrikesEverySixSecondsAndStopsAtRestAfterSixSecondsEach)
{
    const int n = GetParam();
    settings.chime = TICK_HOUR;
    const LocalTime at = Jan1(n, 0);
    Start(Offset(at, -3));
    RunUntil(Offset(at, 6 * n + 20));

    const long long due = MsOf(at);
    std::vector<long long> expected;
    for (int k = 0; k < n; ++k) {
        expected.push_back(due + 1600 + 6000LL * k);
    }
    EXPECT_EQ(platform.SoundTimes("Gooohn.wav"), expected);
    for (const auto& s : platform.sounds) {
        EXPECT_EQ(s.mode, SoundMode::Yield);
    }
    const auto stops = platform.StopsOf(kAnimationTimer);
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].atMs, due + 6000LL * n);
    const auto bell = platform.PicturesOf(ClockPicture::Bell);
    EXPECT_EQ(bell.back().atMs, due + 6000LL * n);
    EXPECT_EQ(bell.back().srcX, 0);
    EXPECT_EQ(controller.StrikesLeft(), 0);
    EXPECT_EQ(controller.AnimationStep(), 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, SeriesTiming, ::testing::Values(1, 6, 12));

using Bell = ClockRig;

TEST_F(Bell, ChimeReplacesTheRunningSeries)
{
    settings.chime = TICK_HOUR;
    Start(At(2006, 1, 1, 17, 59, 57));
    RunUntil(At(2006, 1, 1, 17, 59, 59));
    Command(ClockCommand::Strike);  // its sound would come at 18:00:00.6
    RunUntil(At(2006, 1, 1, 18, 1, 0));

    const long long due = MsOf(At(2006, 1, 1, 18, 0, 0));
    std::vector<long long> expected;
    for (int k = 0; k < 6; ++k) {
        expected.push_back(due + 1600 + 6000LL * k);
    }
    EXPECT_EQ(platform.SoundTimes("Gooohn.wav"), expected);
}

class RunningSeries : public ClockRig {
protected:
    // Twelve strikes from 12:00:00; returns when two have sounded.
    void StartTwelveAndHearTwo()
    {
        settings.chime = TICK_HOUR;
        Start(At(2006, 1, 1, 11, 59, 58));
        RunUntil(At(2006, 1, 1, 12, 0, 8));
        ASSERT_EQ(platform.SoundTimes("Gooohn.wav").size(), 2u);
        platform.ClearRecords();
    }
};

TEST_F(RunningSeries, DoubleClickSilencesAtOnceAndShowsTheBellAtRest)
{
    StartTwelveAndHearTwo();
    DoubleClick();
    EXPECT_FALSE(platform.IsRunning(kAnimationTimer));
    EXPECT_EQ(platform.soundStops.size(), 1u);
    EXPECT_EQ(controller.StrikesLeft(), 0);
    EXPECT_EQ(controller.AnimationStep(), 0);
    ASSERT_EQ(platform.invalidations.size(), 1u);
    const auto bell = platform.PicturesOf(ClockPicture::Bell);  // the repaint
    ASSERT_EQ(bell.size(), 1u);
    EXPECT_EQ(bell[0].srcX, 0);

    RunForMs(80 * 1000);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(RunningSeries, StrikeCommandCutsTheSeriesAndStrikesOnce)
{
    StartTwelveAndHearTwo();
    const long long now = platform.nowMs;
    Command(ClockCommand::Strike);
    EXPECT_EQ(platform.soundStops.size(), 1u);
    RunForMs(80 * 1000);
    EXPECT_EQ(platform.SoundTimes("Gooohn.wav"), std::vector<long long>{now + 1600});
    const auto stops = platform.StopsOf(kAnimationTimer);
    ASSERT_FALSE(stops.empty());
    EXPECT_EQ(stops.back().atMs, now + 6000);
}

TEST_F(Bell, StrikeCommandWorksWhenTheScheduleNeverChimes)
{
    settings.chimeCount = 0;
    Start(At(2006, 1, 1, 7, 20, 30));
    Command(ClockCommand::Strike);
    RunForMs(10 * 1000);
    EXPECT_EQ(platform.SoundTimes("Gooohn.wav"), std::vector<long long>{1600});
}

TEST_F(Bell, AnimationTimerFailureIsReportedAndNothingStrikes)
{
    platform.failingTimers = {kAnimationTimer};
    Start(At(2006, 1, 1, 7, 20, 30));
    Command(ClockCommand::Strike);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Cannot set animation timer! ");
    EXPECT_EQ(platform.messages[0].caption, "");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    RunForMs(10 * 1000);
    EXPECT_TRUE(platform.SoundTimes("Gooohn.wav").empty());
    EXPECT_EQ(controller.StrikesLeft(), 0);
}

}  // namespace

// The toki alarms' minute-by-minute bookkeeping on its own.
#include "TokiAlarmClock.h"

#include "ClockSource.h"

#include <gtest/gtest.h>

namespace {

const SolarPlace kYokohama = MakeSolarPlace(35, 27, 139, 39, 9);

long long At(int y, int mo, int d, int h, int mi)
{
    return LocalSecondCount(LocalTime{y, mo, d, h, mi, 0}) / 60;
}

class AlarmClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        alarm.number = 3;
        alarm.offset = -15;  // 17:00 on 2006-01-01 and -02
    }
    std::size_t CheckAt(long long minute, bool jumped = false)
    {
        return clock.Check(minute, jumped, rings);
    }

    TokiAlarm alarm;
    TokiAlarmClock clock;
    TokiAlarmClock::Rings rings;
};

TEST_F(AlarmClock, AStartAtSecondZeroLeavesTheMinuteToTheFirstCheck)
{
    clock.Start(At(2006, 1, 1, 17, 0), true);
    clock.Arm({alarm}, kYokohama);
    ASSERT_EQ(CheckAt(At(2006, 1, 1, 17, 0)), 1u);
    EXPECT_EQ(rings[0].number, 3);
    EXPECT_FALSE(rings[0].snooze);
    EXPECT_EQ(CheckAt(At(2006, 1, 1, 17, 0)), 0u);  // once in its minute
    EXPECT_EQ(clock.NextRingOf(3), At(2006, 1, 2, 17, 0));

    TokiAlarmClock late;
    late.Start(At(2006, 1, 1, 17, 0), false);  // started within the minute: too late
    late.Arm({alarm}, kYokohama);
    EXPECT_EQ(late.NextRingOf(3), At(2006, 1, 2, 17, 0));
}

TEST_F(AlarmClock, AJumpReportedByTheTimeModelRingsNothing)
{
    clock.Start(At(2006, 1, 1, 16, 59), false);
    clock.Arm({alarm}, kYokohama);
    EXPECT_EQ(CheckAt(At(2006, 1, 1, 17, 0), true), 0u);  // the next minute, but found afresh
    EXPECT_EQ(clock.NextRingOf(3), At(2006, 1, 2, 17, 0));
}

TEST_F(AlarmClock, ASnoozeLastsWhileItsAlarmStaysAsItWas)
{
    clock.Start(At(2006, 1, 1, 16, 59), false);
    clock.Arm({alarm}, kYokohama);
    ASSERT_EQ(CheckAt(At(2006, 1, 1, 17, 0)), 1u);
    EXPECT_EQ(CheckAt(At(2006, 1, 1, 17, 1)), 0u);
    clock.Snooze(3);
    EXPECT_EQ(clock.SnoozeOf(3), At(2006, 1, 1, 17, 6));
    clock.Arm({alarm}, kYokohama);  // the list confirmed unchanged
    EXPECT_EQ(clock.SnoozeOf(3), At(2006, 1, 1, 17, 6));
    TokiAlarm changed = alarm;
    changed.label = "x";
    clock.Arm({changed}, kYokohama);
    EXPECT_EQ(clock.SnoozeOf(3), TokiAlarmClock::kNever);

    clock.Arm({alarm}, kYokohama);
    clock.Snooze(3);
    for (long long m = At(2006, 1, 1, 17, 2); m < At(2006, 1, 1, 17, 6); ++m) {
        EXPECT_EQ(CheckAt(m), 0u);
    }
    ASSERT_EQ(CheckAt(At(2006, 1, 1, 17, 6)), 1u);
    EXPECT_TRUE(rings[0].snooze);
    EXPECT_EQ(clock.SnoozeOf(3), TokiAlarmClock::kNever);
}

TEST_F(AlarmClock, ASnoozeSleptThroughIsDropped)
{
    clock.Start(At(2006, 1, 1, 16, 59), false);
    clock.Arm({alarm}, kYokohama);
    CheckAt(At(2006, 1, 1, 17, 0));
    clock.Snooze(3);
    EXPECT_EQ(CheckAt(At(2006, 1, 1, 17, 30)), 0u);  // woken after it
    EXPECT_EQ(clock.SnoozeOf(3), TokiAlarmClock::kNever);
}

}  // namespace

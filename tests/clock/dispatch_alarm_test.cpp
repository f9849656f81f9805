#include "ClockRig.h"
#include "TempDir.h"

#include <string>
#include <vector>

// Yokohama, 2006-01-01: 06:15 begins toki 6 (6 strikes), 07:10 toki 7.

namespace {

const char* const kAlarmText = "OK ボタンをクリックしてアラームを止めてください。";

using Dispatch = ClockRig;

TEST_F(Dispatch, AlarmRingsFirstAndTheChimeStartsOnlyAfterOk)
{
    settings.alarmEnable = 1;
    settings.alarmHour = 6;
    settings.alarmMinutes = 15;
    Start(At(2006, 1, 1, 6, 13, 57));
    bool bellRunningWhileBoxOpen = true;
    platform.onMessage = [&](const FakeClockPlatform::Message&) {
        bellRunningWhileBoxOpen = platform.IsRunning(kAnimationTimer);
    };
    RunUntilMs(MsOf(At(2006, 1, 1, 6, 15, 0)) - 1);
    platform.ClearRecords();
    RunUntil(At(2006, 1, 1, 6, 15, 0));

    const std::vector<std::string> expected{
        "play pipi.wav loop",
        std::string("message ") + kAlarmText,
        "message closed",
        "stop sound",
        "draw branch",
        "draw toki",
        "start timer 2",
    };
    EXPECT_EQ(platform.CallsExcept("text "), expected);
    EXPECT_FALSE(bellRunningWhileBoxOpen);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "アラーム時刻です");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(controller.StrikesLeft(), 6);
}

class AlarmOff : public ClockRig, public ::testing::WithParamInterface<int> {};

// Only 1 switches the alarm on; TICK_ALARM still comes, and the chime with it.
TEST_P(AlarmOff, MinutePassesSilentlyButStillChimes)
{
    settings.alarmEnable = GetParam();
    settings.alarmHour = 6;
    settings.alarmMinutes = 15;
    Start(At(2006, 1, 1, 6, 13, 57));
    RunUntil(At(2006, 1, 1, 6, 15, 0));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.SoundTimes("pipi.wav").empty());
    EXPECT_TRUE(platform.IsRunning(kAnimationTimer));
}

INSTANTIATE_TEST_SUITE_P(Values, AlarmOff, ::testing::Values(0, 2, -1));

struct LongAlarmCase {
    const char* name;
    int chime;
    int alarmHour, alarmMinute;
    int holdMinutes;  // how long the box stays open
    int strikesAfterOk;
};

void PrintTo(const LongAlarmCase& c, std::ostream* os) { *os << c.name; }

class LongAlarm : public ClockRig, public ::testing::WithParamInterface<LongAlarmCase> {};

// The box may stay open for minutes while the clock ticks on (and may chime
// for later events); the chime of the alarm's own minute still counts for it.
TEST_P(LongAlarm, ChimeAfterOkCountsForTheAlarmMinute)
{
    const auto& c = GetParam();
    settings.chime = c.chime;
    settings.alarmEnable = 1;
    settings.alarmHour = c.alarmHour;
    settings.alarmMinutes = c.alarmMinute;
    const LocalTime alarm = At(2006, 1, 1, c.alarmHour, c.alarmMinute, 0);
    Start(Offset(alarm, -63));  // located before the minute ahead of a boundary
    long long okMs = 0;
    platform.onMessage = [&](const FakeClockPlatform::Message&) {
        RunForMs(c.holdMinutes * 60 * 1000LL);
        okMs = platform.nowMs;
    };
    RunUntil(alarm);
    RunForMs(90 * 1000);

    const auto strikes = StrikesBetween(okMs, platform.nowMs);
    ASSERT_EQ(static_cast<int>(strikes.size()), c.strikesAfterOk);
    EXPECT_EQ(strikes[0], okMs + 1600);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongAlarm,
    ::testing::Values(LongAlarmCase{"HourlyAt7", TICK_HOUR, 7, 0, 3, 7},
                      // open past the 07:10 boundary, which chimes once inside
                      LongAlarmCase{"DawnHeldPastNextBoundary", 3, 6, 15, 60, 6}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Dispatch, AlarmTimeTakenAgainAfterTheAlarmDialog)
{
    const TempDir dir;
    settings.iniPath = dir.File("vellmor.ini");  // OK saves there
    settings.alarmEnable = 1;
    settings.alarmHour = 6;
    settings.alarmMinutes = 20;
    Start(At(2006, 1, 1, 6, 13, 57));
    platform.onAlarmDialog = [](AlarmFields& fields) {
        fields.alarmMinutes = 16;
        return true;
    };
    Command(ClockCommand::Alarm);
    RunUntil(At(2006, 1, 1, 6, 21, 0));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].atMs, MsOf(At(2006, 1, 1, 6, 16, 0)));
}

TEST_F(Dispatch, PlaceTakenAgainAfterTheSettingsDialog)
{
    Start(At(2006, 12, 31, 23, 30, 0));  // Yokohama: toki 23 until 23:44
    EXPECT_EQ(controller.Calendar().GetCurrentToki(), 23);
    platform.onSettingsDialog = [](SettingsFields& fields) {
        fields.longitudeDegrees = 145;  // further east: past the solar midnight
        return true;
    };
    Command(ClockCommand::Settings);
    EXPECT_EQ(controller.Calendar().GetCurrentToki(), 0);
}

// The clock's menu commands, the dialog exchanges among them
// (exchange_test.cpp), are the controller's; the shell's are left to it.
TEST_F(Dispatch, ShellCommandsAreLeftToTheShell)
{
    Start(At(2006, 1, 1, 7, 20, 30));
    for (const ClockCommand command :
         {ClockCommand::About, ClockCommand::Help, ClockCommand::Exit}) {
        EXPECT_FALSE(controller.OnCommand(command)) << static_cast<int>(command);
    }
    for (const ClockCommand command : {ClockCommand::Strike, ClockCommand::StopJoya,
                                       ClockCommand::Settings, ClockCommand::Alarm,
                                       ClockCommand::TokiInfo}) {
        EXPECT_TRUE(controller.OnCommand(command)) << static_cast<int>(command);
    }
}

}  // namespace

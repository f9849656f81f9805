// The toki alarms as the clock rings them, and the quiet hours of its chime.
#include "ClockRig.h"

#include "QuietChime.h"
#include "TempDir.h"

#include <string>
#include <vector>

// Yokohama (the default place), 2006-01-01 (a Sunday): 暮六つ begins at 17:15
// (6 strikes), so 暮六つ less 15 is 17:00; on 2006-01-02 again 17:00. The
// boundary before is 16:20, the one after 17:15.

namespace {

class TokiAlarms : public ClockRig {
protected:
    TokiAlarm& AddAlarm(int toki, int offset, int sound, std::string label = "")
    {
        TokiAlarm alarm;
        alarm.number = static_cast<int>(settings.tokiAlarms.size()) + 1;
        alarm.toki = toki;
        alarm.offset = offset;
        alarm.sound = sound;
        alarm.label = std::move(label);
        settings.tokiAlarms.push_back(alarm);
        return settings.tokiAlarms.back();
    }

    static long long Minute(const LocalTime& t)
    {
        return LocalSecondCount(LocalTime{t.year, t.month, t.day, t.hour, t.minute, 0}) / 60;
    }

    std::vector<long long> BoxTimes() const
    {
        std::vector<long long> times;
        for (const auto& box : platform.alarmBoxes) {
            times.push_back(box.atMs);
        }
        return times;
    }
};

TEST_F(TokiAlarms, ABellAlarmStrikesTheTokisCountAtItsMinute)
{
    AddAlarm(18, -15, kAlarmSoundBell);
    Start(At(2006, 1, 1, 16, 59, 50));
    RunUntil(At(2006, 1, 1, 17, 1, 0));
    const long long at = MsOf(At(2006, 1, 1, 17, 0, 0));
    const auto strikes = StrikesBetween(0, platform.nowMs);
    ASSERT_EQ(strikes.size(), 6u);
    EXPECT_GE(strikes[0], at + 1600);
    EXPECT_LT(strikes[0], at + 1600 + 250);  // the first tick of the minute
    EXPECT_TRUE(platform.alarmBoxes.empty());
    EXPECT_TRUE(platform.notifications.empty());
}

TEST_F(TokiAlarms, ABellAlarmAtABoundaryTakesTheChimesPlace)
{
    AddAlarm(18, 0, kAlarmSoundBell);  // 17:15, which the chime strikes too
    Start(At(2006, 1, 1, 17, 13, 50));  // two minutes before: 17:15 raises its events
    RunUntil(At(2006, 1, 1, 17, 16, 0));
    EXPECT_EQ(StrikesBetween(0, platform.nowMs).size(), 6u);
}

TEST_F(TokiAlarms, ABoxAlarmLoopsItsSoundUntilOkAndTheSnoozeRingsFiveMinutesLater)
{
    AddAlarm(18, -15, kAlarmSoundBox, "夕の支度");
    Start(At(2006, 1, 1, 16, 59, 50));
    int boxes = 0;
    platform.onAlarmBox = [&](const FakeClockPlatform::Message&) {
        EXPECT_EQ(platform.sounds.back().name, "pipi.wav");
        EXPECT_EQ(platform.sounds.back().mode, SoundMode::Loop);
        RunForMs(20 * 1000);  // the user takes 20 s to answer
        return ++boxes == 1 ? AlarmBoxAnswer::Snooze : AlarmBoxAnswer::Ok;
    };
    RunUntil(At(2006, 1, 1, 17, 30, 0));
    EXPECT_EQ(BoxTimes(), (std::vector<long long>{MsOf(At(2006, 1, 1, 17, 0, 0)),
                                                  MsOf(At(2006, 1, 1, 17, 5, 0))}));
    ASSERT_EQ(platform.alarmBoxes.size(), 2u);
    EXPECT_EQ(platform.alarmBoxes[0].caption, "アラーム時刻です");
    EXPECT_EQ(platform.alarmBoxes[0].text,
              "夕の支度\n暮六つの15分前 (17:00)\n\n"
              "OK で止まります。スヌーズで 5 分後にもう一度鳴ります。");
    EXPECT_EQ(platform.soundStops.size(), 2u);  // each box stops the sound at its close
    EXPECT_EQ(controller.TokiAlarms().SnoozeOf(1), TokiAlarmClock::kNever);
}

TEST_F(TokiAlarms, ANotificationAlarmShowsItsLabelOnly)
{
    AddAlarm(6, 10, kAlarmSoundNotification);  // 明六つ 06:15, plus 10
    Start(At(2006, 1, 1, 6, 24, 0));
    RunUntil(At(2006, 1, 1, 6, 26, 0));
    ASSERT_EQ(platform.notifications.size(), 1u);
    EXPECT_EQ(platform.notifications[0].atMs, MsOf(At(2006, 1, 1, 6, 25, 0)));
    EXPECT_EQ(platform.notifications[0].summary, "明六つの10分後");
    EXPECT_EQ(platform.notifications[0].body, "明六つの10分後 (06:25)");
    EXPECT_TRUE(platform.SoundTimes("pipi.wav").empty());
}

TEST_F(TokiAlarms, OnlyOnItsDaysAndOnlyWhenOn)
{
    TokiAlarm& weekdays = AddAlarm(18, -15, kAlarmSoundBox);
    weekdays.days = 62;
    AddAlarm(18, -14, kAlarmSoundBox).enable = 0;
    Start(At(2006, 1, 1, 16, 59, 50));  // Sunday
    RunUntil(At(2006, 1, 2, 17, 2, 0));  // to Monday evening
    EXPECT_EQ(BoxTimes(), std::vector<long long>{MsOf(At(2006, 1, 2, 17, 0, 0))});
}

TEST_F(TokiAlarms, AMachineThatSleptThroughTheMinuteDoesNotRingLate)
{
    AddAlarm(18, -15, kAlarmSoundBox);
    AddAlarm(18, -14, kAlarmSoundBox);  // 17:01
    Start(At(2006, 1, 1, 16, 59, 0));
    RunForMs(30 * 1000);
    MoveWallClock(90);  // asleep from 16:59:30 to 17:01:00, a minute's second 0
    RunUntil(At(2006, 1, 1, 17, 3, 0));
    EXPECT_TRUE(platform.alarmBoxes.empty());
    EXPECT_EQ(controller.TokiAlarms().NextRingOf(1), Minute(At(2006, 1, 2, 17, 0, 0)));
    EXPECT_EQ(controller.TokiAlarms().NextRingOf(2), Minute(At(2006, 1, 2, 17, 1, 0)));
}

TEST_F(TokiAlarms, AStallOverSecondZeroStillRingsInItsMinute)
{
    AddAlarm(18, -15, kAlarmSoundBox);
    Start(At(2006, 1, 1, 16, 59, 0));
    RunForMs(30 * 1000);
    MoveWallClock(40);  // held from 16:59:30 to 17:00:10
    RunForMs(60 * 1000);
    ASSERT_EQ(platform.alarmBoxes.size(), 1u);
    EXPECT_EQ(platform.alarmBoxes[0].atMs, 30250);  // the first tick after the stall
    EXPECT_EQ(platform.alarmBoxes[0].text.substr(0, platform.alarmBoxes[0].text.find('\n')),
              "暮六つの15分前 (17:00)");
}

TEST_F(TokiAlarms, AJumpIntoTheMinuteRingsNothingAndASetBackDoesNotRingTwice)
{
    AddAlarm(18, -15, kAlarmSoundBox);
    Start(At(2006, 1, 1, 16, 0, 0));
    RunForMs(5 * 1000);
    MoveWallClock(3600);  // set by hand to 17:00:05
    RunUntil(At(2006, 1, 1, 17, 0, 30));
    EXPECT_TRUE(platform.alarmBoxes.empty());  // 17:00 was reached by a jump

    // Tomorrow's ring, then the clock set back two seconds over its start.
    RunUntil(At(2006, 1, 2, 17, 0, 1));
    ASSERT_EQ(platform.alarmBoxes.size(), 1u);
    MoveWallClock(-2);
    RunForMs(10 * 1000);
    EXPECT_EQ(platform.alarmBoxes.size(), 1u);
}

TEST_F(TokiAlarms, ANewPlaceMovesTheNextRing)
{
    AddAlarm(18, -15, kAlarmSoundBell);
    settings.chimeCount = 0;  // the alarm's strikes alone
    Start(At(2006, 1, 1, 12, 0, 0));
    EXPECT_EQ(controller.TokiAlarms().NextRingOf(1), Minute(At(2006, 1, 1, 17, 0, 0)));
    platform.onSettingsDialog = [](SettingsFields& fields) {
        fields.latitudeDegrees = 26;  // Naha: dusk at 18:20
        fields.latitudeMinutes = 13;
        fields.longitudeDegrees = 127;
        fields.longitudeMinutes = 40;
        return true;
    };
    Command(ClockCommand::Settings);
    EXPECT_EQ(controller.TokiAlarms().NextRingOf(1), Minute(At(2006, 1, 1, 18, 5, 0)));
    RunUntil(At(2006, 1, 1, 18, 6, 0));
    const auto strikes = StrikesBetween(0, platform.nowMs);
    ASSERT_EQ(strikes.size(), 6u);
    EXPECT_GE(strikes[0], MsOf(At(2006, 1, 1, 18, 5, 0)));
}

TEST_F(TokiAlarms, TheDialogsOkArmsTheListAndSavesItAtOnce)
{
    TempDir dir;
    const std::string path = dir.File("alarms.ini");
    WriteBytes(path, "[Toki Alarm 2]\nToki=6\nNote=kept\n");
    settings.LoadFrom(path);
    ASSERT_EQ(settings.tokiAlarms.size(), 1u);
    Start(At(2006, 1, 1, 16, 0, 0));
    TokiAlarmListFields shown;
    platform.onTokiAlarmDialog = [&](TokiAlarmListFields& fields) {
        shown = fields;
        TokiAlarm alarm = NewTokiAlarm();
        alarm.offset = -15;
        alarm.sound = kAlarmSoundBox;
        EXPECT_EQ(AddTokiAlarm(fields, alarm), 0);  // number 1, before number 2
        RemoveTokiAlarm(fields, 1);
        return true;
    };
    Command(ClockCommand::TokiAlarms);
    // Started at second 0: the minute is still to be checked.
    EXPECT_EQ(shown.fromMinute, Minute(At(2006, 1, 1, 16, 0, 0)));
    EXPECT_EQ(shown.alarms.size(), 1u);

    const std::string saved = ReadBytes(path);
    EXPECT_NE(saved.find("[Toki Alarm 1]\nEnable=1\nToki=18\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Toki Alarm 2"), std::string::npos) << saved;
    RunUntil(At(2006, 1, 1, 17, 0, 1));
    EXPECT_EQ(BoxTimes(), std::vector<long long>{MsOf(At(2006, 1, 1, 17, 0, 0))});

    // Cancel changes nothing.
    platform.onTokiAlarmDialog = [](TokiAlarmListFields& fields) {
        fields.alarms.clear();
        return false;
    };
    Command(ClockCommand::TokiAlarms);
    EXPECT_EQ(controller.Settings().tokiAlarms.size(), 1u);
    EXPECT_EQ(ReadBytes(path), saved);
}

TEST_F(TokiAlarms, QuietHoursSilenceTheChimeButNotAnAlarmOrTheStrikeCommand)
{
    settings.quiet.fromToki = 18;  // 暮六つ to 明六つ
    settings.quiet.toToki = 6;
    AddAlarm(18, 2, kAlarmSoundBell);  // 17:17
    Start(At(2006, 1, 1, 17, 13, 50));  // two minutes before: 17:15 raises its events
    RunUntil(At(2006, 1, 1, 17, 16, 59));
    EXPECT_TRUE(StrikesBetween(0, platform.nowMs).empty());  // 暮六つ's chime is quiet
    RunUntil(At(2006, 1, 1, 17, 18, 0));
    EXPECT_EQ(StrikesBetween(0, platform.nowMs).size(), 6u);  // the alarm is not
    RunForMs(60 * 1000);
    platform.ClearRecords();
    Command(ClockCommand::Strike);
    RunForMs(7 * 1000);
    EXPECT_EQ(StrikesBetween(0, platform.nowMs).size(), 1u);
}

TEST_F(TokiAlarms, QuietHoursLeaveNewYearsEveAlone)
{
    settings.quiet.fromTime = "22:00";
    settings.quiet.toTime = "06:30";
    Start(At(2006, 12, 31, 23, 43, 50));  // 暁九つ at 23:44 starts the 108 bells
    RunUntil(At(2006, 12, 31, 23, 45, 0));
    EXPECT_EQ(controller.JoyaLeft(), ClockController::kJoyaStrikes - 4);  // 15 s apart
    EXPECT_EQ(StrikesBetween(0, platform.nowMs).size(), 3u);  // each sounds 1.6 s later
}

struct QuietCase {
    const char* name;
    QuietHours quiet;
    int hour, minute;
    TokiIndex toki;
    bool silent;
};

void PrintTo(const QuietCase& c, std::ostream* os) { *os << c.name; }

class QuietChime : public ::testing::TestWithParam<QuietCase> {};

TEST_P(QuietChime, FromTheFirstMomentUpToTheSecond)
{
    const QuietCase& c = GetParam();
    EXPECT_EQ(IsQuietChime(c.quiet, c.hour, c.minute, c.toki), c.silent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QuietChime,
    ::testing::Values(
        QuietCase{"none", {}, 23, 0, 22, false},
        QuietCase{"夜五つ begins the quiet", {20, 6, "", ""}, 19, 0, 20, true},
        QuietCase{"across midnight", {20, 6, "", ""}, 1, 0, 2, true},
        QuietCase{"明六つ chimes again", {20, 6, "", ""}, 6, 15, 6, false},
        QuietCase{"before it", {20, 6, "", ""}, 18, 30, 19, false},
        QuietCase{"within a day", {8, 12, "", ""}, 9, 0, 9, true},
        QuietCase{"equal ends: empty", {8, 8, "", ""}, 9, 0, 8, false},
        QuietCase{"22:00 begins the quiet", {-1, -1, "22:00", "06:30"}, 22, 0, 21, true},
        QuietCase{"06:00 quiet", {-1, -1, "22:00", "06:30"}, 6, 0, 5, true},
        QuietCase{"06:30 chimes", {-1, -1, "22:00", "06:30"}, 6, 30, 6, false},
        QuietCase{"21:30 chimes", {-1, -1, "22:00", "06:30"}, 21, 30, 21, false},
        QuietCase{"toki come before times", {20, 22, "00:00", "23:59"}, 12, 0, 12, false},
        QuietCase{"a broken time: none", {-1, -1, "22:00", "6.30"}, 23, 0, 22, false}));

}  // namespace

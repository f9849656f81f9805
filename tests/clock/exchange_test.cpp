// The menu's dialog commands as the controller runs them: the order of the
// steps, what goes into each dialog, and what OK and Cancel leave behind in
// the settings, the time model and the settings file.
#include "ClockRig.h"

#include "SolarDay.h"
#include "TempDir.h"
#include "TokiAlarmFields.h"
#include "TokiTable.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>


// Yokohama (the default place), 2006-01-01, a strike under way when a dialog
// opens.

namespace {

class Exchange : public ClockRig {
protected:
    void SetUp() override
    {
        iniPath = dir.File("exchange.ini");
        WriteBytes(iniPath, "");
        settings.iniPath = iniPath;
        StartStriking();
    }

    // Starts the clock with `settings` and strikes the bell by hand.
    void StartStriking()
    {
        Start(At(2006, 1, 1, 6, 0, 0));
        Command(ClockCommand::Strike);
        RunForMs(400);
        ASSERT_TRUE(platform.IsRunning(kAnimationTimer));
        platform.ClearRecords();
    }

    // What the settings file holds now.
    std::string FileText() const
    {
        return ReadBytes(iniPath);
    }
    ClockSettings OnDisk() const
    {
        ClockSettings read;
        read.LoadFrom(iniPath);
        return read;
    }
    // The clock moves on to the next day without a tick; only a location
    // handed to the time model afresh reads it.
    void MoveClockToTheNextDay() { clock->Set(At(2006, 1, 2, 6, 0, 0)); }
    // The bell is at rest and silent.
    bool BellStopped() const
    {
        return !platform.IsRunning(kAnimationTimer) && controller.StrikesLeft() == 0 &&
               !platform.soundStops.empty();
    }

    TempDir dir;
    std::string iniPath;
};

const std::vector<std::string> kBellStop{"stop timer 2", "stop sound", "invalidate"};

std::vector<std::string> Steps(std::initializer_list<std::string> after)
{
    std::vector<std::string> steps = kBellStop;
    steps.insert(steps.end(), after);
    return steps;
}

TEST_F(Exchange, SettingsOkCopiesBackMovesTheTimeModelAndSavesAtOnce)
{
    MoveClockToTheNextDay();
    bool bellStoppedInDialog = false;
    std::string fileInDialog = "unread";
    platform.onSettingsDialog = [&](SettingsFields& fields) {
        bellStoppedInDialog = BellStopped();
        fileInDialog = FileText();
        EXPECT_EQ(fields.city, "横浜");
        EXPECT_EQ(fields.latitudeDegrees, 35);
        EXPECT_EQ(fields.longitudeMinutes, 39);
        EXPECT_EQ(fields.chimeIndex, 1);
        EXPECT_EQ(fields.twelveShiIndex, 0);
        fields.city = "那覇";
        fields.latitudeDegrees = 26;
        fields.latitudeMinutes = 13;
        fields.longitudeDegrees = 127;
        fields.longitudeMinutes = 40;
        fields.chimeIndex = 0;
        fields.twelveShiIndex = 1;
        return true;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Settings));

    EXPECT_EQ(platform.calls, Steps({"settings dialog", "settings dialog ok", "invalidate"}));
    EXPECT_TRUE(bellStoppedInDialog);
    EXPECT_EQ(fileInDialog, "") << "saved before the dialog's answer";
    const ClockSettings& s = controller.Settings();
    EXPECT_EQ(s.city, "那覇");
    EXPECT_EQ(s.chime, 1);
    EXPECT_EQ(s.twelveShiDisplay, kFixedHourDisplay);
    // The time model has the new place, and read the clock afresh for it.
    EXPECT_EQ(controller.Calendar().GetDay(), 2);
    const TokiTable naha = ComputeTokiTable(2006, 1, 2, MakeSolarPlace(26, 13, 127, 40, 9));
    EXPECT_EQ(controller.Calendar().GetBoundary(12), naha.boundaries[12]);
    EXPECT_EQ(controller.Calendar().GetSunrise(), naha.sunrise);
    // On disk at once.
    EXPECT_EQ(OnDisk().city, "那覇");
    EXPECT_EQ(OnDisk().longitudeDegrees, 127);
    EXPECT_EQ(OnDisk().twelveShiDisplay, kFixedHourDisplay);
}

TEST_F(Exchange, SettingsCancelStopsTheBellAndLeavesEverythingElse)
{
    const ClockSettings before = controller.Settings();
    const int sunrise = controller.Calendar().GetSunrise();
    MoveClockToTheNextDay();
    platform.onSettingsDialog = [](SettingsFields& fields) {
        fields.longitudeDegrees = 150;  // typed, then cancelled
        return false;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Settings));

    EXPECT_EQ(platform.calls,
              Steps({"settings dialog", "settings dialog cancel", "invalidate"}));
    EXPECT_TRUE(BellStopped());
    EXPECT_EQ(controller.Settings(), before);
    // The place did not go to the time model: it still has the old day's table.
    EXPECT_EQ(controller.Calendar().GetDay(), 1);
    EXPECT_EQ(controller.Calendar().GetSunrise(), sunrise);
    EXPECT_EQ(FileText(), "") << "Cancel wrote the settings";
}

// "ログイン時に起動" shows what the session does, not what the file says, and
// OK switches it only when it was changed; a switch that fails says why in a
// box, after the settings themselves are saved.
TEST_F(Exchange, TheStartWithTheSessionIsSwitchedOnlyWhenChanged)
{
    platform.startsWithSession = true;
    int shownInDialog = -1;
    platform.onSettingsDialog = [&](SettingsFields& fields) {
        shownInDialog = fields.startWithSession;
        fields.notify = 1;
        return true;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Settings));
    EXPECT_EQ(shownInDialog, 1);
    EXPECT_EQ(platform.calls, Steps({"settings dialog", "settings dialog ok", "invalidate"}));
    EXPECT_EQ(OnDisk().notify, 1);

    platform.ClearRecords();
    platform.onSettingsDialog = [](SettingsFields& fields) {
        fields.startWithSession = 0;
        fields.indicator = 1;
        return true;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Settings));
    EXPECT_EQ(platform.calls, Steps({"settings dialog", "settings dialog ok",
                                     "start with session off", "invalidate"}));
    EXPECT_FALSE(platform.startsWithSession);
    EXPECT_TRUE(platform.messages.empty());

    platform.ClearRecords();
    platform.sessionStartFailure = "/home/u/.config/autostart/x.desktop\nPermission denied";
    platform.onSettingsDialog = [](SettingsFields& fields) {
        fields.startWithSession = 1;
        return true;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Settings));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, SessionStartFailureMessage(platform.sessionStartFailure));
    EXPECT_NE(platform.messages[0].text.find("Permission denied"), std::string::npos);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(OnDisk().indicator, 1);  // the rest of the dialog is kept and saved

    platform.ClearRecords();  // Cancel switches nothing
    platform.onSettingsDialog = [](SettingsFields& fields) {
        fields.startWithSession = 1;
        return false;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Settings));
    EXPECT_EQ(platform.calls, Steps({"settings dialog", "settings dialog cancel", "invalidate"}));
}

TEST_F(Exchange, AlarmOkCopiesBackSavesAndTheAlarmRingsAtTheNewTime)
{
    bool bellStoppedInDialog = false;
    std::string fileInDialog = "unread";
    platform.onAlarmDialog = [&](AlarmFields& fields) {
        bellStoppedInDialog = BellStopped();
        fileInDialog = FileText();
        EXPECT_EQ(fields.alarmEnable, 0);
        EXPECT_EQ(fields.alarmHour, 12);
        EXPECT_EQ(fields.alarmMinutes, 0);
        fields.alarmEnable = 1;
        fields.alarmHour = 6;
        fields.alarmMinutes = 2;
        return true;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Alarm));

    EXPECT_EQ(platform.calls, Steps({"alarm dialog", "alarm dialog ok", "invalidate"}));
    EXPECT_TRUE(bellStoppedInDialog);
    EXPECT_EQ(fileInDialog, "") << "saved before the dialog's answer";
    EXPECT_EQ(controller.Settings().alarmEnable, 1);
    EXPECT_EQ(controller.Settings().alarmHour, 6);
    EXPECT_EQ(controller.Settings().alarmMinutes, 2);
    EXPECT_EQ(OnDisk().alarmEnable, 1);
    EXPECT_EQ(OnDisk().alarmHour, 6);
    EXPECT_EQ(OnDisk().alarmMinutes, 2);
    RunUntil(At(2006, 1, 1, 6, 2, 0));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "アラーム時刻です");
}

// Cancel leaves the alarm as it was, armed at its time.
TEST_F(Exchange, AlarmCancelKeepsTheValuesAndTheAlarmTime)
{
    settings.alarmEnable = 1;
    settings.alarmHour = 6;
    settings.alarmMinutes = 3;
    StartStriking();
    platform.onAlarmDialog = [](AlarmFields& fields) {
        fields.alarmEnable = 0;  // unticked, then cancelled
        return false;
    };
    EXPECT_TRUE(controller.OnCommand(ClockCommand::Alarm));

    EXPECT_EQ(platform.calls, Steps({"alarm dialog", "alarm dialog cancel", "invalidate"}));
    EXPECT_TRUE(BellStopped());
    EXPECT_EQ(controller.Settings(), settings);
    EXPECT_EQ(FileText(), "") << "Cancel wrote the settings";
    RunUntil(At(2006, 1, 1, 6, 3, 0));
    EXPECT_EQ(platform.messages.size(), 1u);
}

// OK whose save fails (here the settings' folder is gone) says so in a box
// that names the file and the system's reason; the change stays in effect
// for the rest of the run: the alarm rings at the new time, the toki alarm
// stays armed.
TEST_F(Exchange, AnOkWhoseSaveFailsSaysWhyAndKeepsTheChange)
{
    const std::string gone = dir.File("gone/exchange.ini");
    ClockSettings probe;
    probe.iniPath = gone;
    const std::string reason = probe.Save().reason;  // in the system's words
    ASSERT_FALSE(reason.empty());
    settings.iniPath = gone;
    StartStriking();
    for (const ClockCommand command :
         {ClockCommand::Settings, ClockCommand::Alarm, ClockCommand::TokiAlarms}) {
        SCOPED_TRACE(static_cast<int>(command));
        platform.ClearRecords();
        platform.onSettingsDialog = [](SettingsFields& fields) {
            fields.city = "那覇";
            return true;
        };
        platform.onAlarmDialog = [](AlarmFields& fields) {
            fields.alarmEnable = 1;
            fields.alarmHour = 6;
            fields.alarmMinutes = 2;
            return true;
        };
        platform.onTokiAlarmDialog = [](TokiAlarmListFields& fields) {
            AddTokiAlarm(fields, NewTokiAlarm());
            return true;
        };
        EXPECT_TRUE(controller.OnCommand(command));

        ASSERT_EQ(platform.messages.size(), 1u);
        const auto& box = platform.messages[0];
        EXPECT_EQ(box.text, SaveFailureMessage(gone, reason));
        EXPECT_NE(box.text.find(reason), std::string::npos);
        EXPECT_NE(box.text.find(gone), std::string::npos);
        EXPECT_EQ(box.caption, "") << "the application's title";
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        if (command != ClockCommand::TokiAlarms) {  // the list changes nothing on the face
            EXPECT_EQ(platform.calls.back(), "invalidate");
        }
    }
    EXPECT_EQ(controller.Settings().city, "那覇");
    EXPECT_EQ(controller.Settings().tokiAlarms.size(), 1u);
    RunUntil(At(2006, 1, 1, 6, 2, 0));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].caption, "アラーム時刻です");
}

// The information dialog leaves the bell striking and names the toki as the
// display system does: plain names under the fixed-hour display.
TEST_F(Exchange, TokiInfoShowsTodayWithTheNamesOfTheDisplaySystem)
{
    const struct {
        int display;
        const char* firstLabelStart;
    } cases[] = {{kFixedHourDisplay, "暁九つ  "}, {kTemporalHourDisplay, "暁九つ (子)  "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display);
        settings.twelveShiDisplay = c.display;
        StartStriking();
        bool bellGoingInDialog = false;
        platform.onTokiInfoDialog = [&](const TokiChartData&) {
            bellGoingInDialog = platform.IsRunning(kAnimationTimer);
        };
        EXPECT_TRUE(controller.OnCommand(ClockCommand::TokiInfo));

        EXPECT_EQ(platform.calls,
                  (std::vector<std::string>{"toki info dialog", "toki info dialog closed"}));
        EXPECT_TRUE(bellGoingInDialog);
        ASSERT_EQ(platform.charts.size(), 1u);
        const TokiChartData& chart = platform.charts[0];
        EXPECT_EQ(chart.entryLabels[0].rfind(c.firstLabelStart, 0), 0u) << chart.entryLabels[0];
        EXPECT_EQ(chart.entryMinutes[24], 1440);
        EXPECT_EQ(chart.placeDateText, "横浜 － 西暦 2006年 1月 1日");
    }
}

}  // namespace

// The clock's menu commands that open the dialogs, through the real view:
// what goes into each dialog and what comes back.
#include "AlarmDlg.h"
#include "ClockPlatform.h"
#include "ClockWindowFixture.h"
#include "DialogIds.h"
#include "DialogTestKit.h"
#include "MenuCommands.h"
#include "SettingsDlg.h"
#include "TokiInfoDlg.h"

#include <gtest/gtest.h>

#include <wx/filename.h>

#include <string>

namespace {

class ViewExchangeTest : public ClockWindowFixture {
protected:
    void SetUp() override
    {
        ClockWindowFixture::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        // The settings go to a scratch file when the view closes.
        iniPath = wxFileName::CreateTempFileName("vellmor-dialogs").utf8_string();
        StartWith(ClockSettings());
    }

    void TearDown() override
    {
        ClockWindowFixture::TearDown();
        wxRemoveFile(wxString::FromUTF8(iniPath));
    }

    void Command(ClockCommand command)
    {
        wxCommandEvent event(wxEVT_MENU, MenuIdOf(command));
        view->ProcessEvent(event);
    }

    // The clock started afresh with these settings, kept in the scratch file.
    void StartWith(ClockSettings settings)
    {
        settings.iniPath = iniPath;
        view->Controller().InitialUpdate(settings);
    }

    const ClockController& Clock() { return view->Controller(); }
    const ClockSettings& Settings() { return Clock().Settings(); }
    // What the settings file holds now, while the clock still runs.
    ClockSettings OnDisk() const
    {
        ClockSettings read;
        read.LoadFrom(iniPath);
        return read;
    }
    bool FileIsEmpty() const { return wxFileName::GetSize(wxString::FromUTF8(iniPath)) == 0; }

    std::string iniPath;
};

TEST_F(ViewExchangeTest, SettingsOkStopsTheBellCopiesBackAndMovesTheTimeModel)
{
    ClockSettings settings;
    settings.chime = 12;
    settings.chimeCount = 1;
    settings.twelveShiDisplay = 4;
    settings.timeDifference = 9;
    StartWith(settings);
    Command(ClockCommand::Strike);
    ASSERT_GT(Clock().StrikesLeft(), 0);

    wxTEST_DIALOG(Command(ClockCommand::Settings), ExpectDialog<CSettingsDlg>([this](CSettingsDlg& dlg) {
        EXPECT_EQ(Clock().StrikesLeft(), 0) << "the bell is stopped before the dialog opens";
        EXPECT_EQ(dlg.GetParent(), frame);
        EXPECT_EQ(dlg.fields.chimeIndex, 3);
        EXPECT_EQ(dlg.fields.chimeCountIndex, 1);
        EXPECT_EQ(dlg.fields.twelveShiIndex, 1);
        EXPECT_EQ(dlg.fields.city, "横浜");
        EXPECT_EQ(EditText(dlg, kIdLongitudeDegrees), "139");
        SetEditText(dlg, kIdCity, "那覇");
        SetEditText(dlg, kIdLatitudeDegrees, "26");
        SetEditText(dlg, kIdLatitudeMinutes, "13");
        SetEditText(dlg, kIdLongitudeDegrees, "127");
        SetEditText(dlg, kIdLongitudeMinutes, "40");
        ClickRadio(dlg, kIdChimeEveryToki);
        ClickRadio(dlg, kIdTemporalHours);
        ClickButton(dlg, wxID_OK);
    }));

    const ClockSettings& s = Settings();
    EXPECT_EQ(s.city, "那覇");
    EXPECT_EQ(s.latitudeDegrees, 26);
    EXPECT_EQ(s.latitudeMinutes, 13);
    EXPECT_EQ(s.longitudeDegrees, 127);
    EXPECT_EQ(s.longitudeMinutes, 40);
    EXPECT_EQ(s.chime, 1);
    EXPECT_EQ(s.chimeCount, 1);
    EXPECT_EQ(s.twelveShiDisplay, 3);
    EXPECT_EQ(s.timeDifference, 9);
    // On disk at once, not only when the window closes.
    EXPECT_EQ(OnDisk().city, "那覇");
    EXPECT_EQ(OnDisk().longitudeDegrees, 127);
    EXPECT_EQ(OnDisk().chime, 1);
    // The time model now computes today's table for Naha.
    TokiCalendar naha;
    naha.SetLocation(26, 13, 127, 40, 9);
    if (naha.GetDay() == Clock().Calendar().GetDay()) {  // not across a midnight
        EXPECT_EQ(Clock().Calendar().GetSunrise(), naha.GetSunrise());
        EXPECT_EQ(Clock().Calendar().GetBoundary(12), naha.GetBoundary(12));
    }
}

TEST_F(ViewExchangeTest, SettingsCancelLeavesEverythingButTheBell)
{
    const ClockSettings before = Settings();
    const int sunrise = Clock().Calendar().GetSunrise();
    Command(ClockCommand::Strike);
    wxTEST_DIALOG(Command(ClockCommand::Settings), ExpectDialog<CSettingsDlg>([](CSettingsDlg& dlg) {
        SetEditText(dlg, kIdLongitudeDegrees, "150");
        ClickRadio(dlg, kIdCountSilent);
        ClickButton(dlg, wxID_CANCEL);
    }));
    EXPECT_EQ(Clock().StrikesLeft(), 0);
    EXPECT_EQ(Settings(), before);
    EXPECT_EQ(Clock().Calendar().GetSunrise(), sunrise);
    EXPECT_TRUE(FileIsEmpty()) << "Cancel wrote the settings";
}

TEST_F(ViewExchangeTest, AlarmOkCopiesTheThreeValuesBack)
{
    ClockSettings settings;
    settings.alarmEnable = 0;
    settings.alarmHour = 12;
    settings.alarmMinutes = 0;
    StartWith(settings);
    Command(ClockCommand::Strike);
    wxTEST_DIALOG(Command(ClockCommand::Alarm), ExpectDialog<CAlarmDlg>([this](CAlarmDlg& dlg) {
        EXPECT_EQ(Clock().StrikesLeft(), 0);
        EXPECT_EQ(dlg.fields.alarmEnable, 0);
        EXPECT_EQ(dlg.fields.alarmHour, 12);
        ClickCheckBox(dlg, kIdAlarmEnable);
        SetEditText(dlg, kIdAlarmHour, "6");
        SetEditText(dlg, kIdAlarmMinutes, "30");
        ClickButton(dlg, wxID_OK);
    }));
    EXPECT_EQ(Settings().alarmEnable, 1);
    EXPECT_EQ(Settings().alarmHour, 6);
    EXPECT_EQ(Settings().alarmMinutes, 30);
    EXPECT_EQ(OnDisk().alarmEnable, 1);
    EXPECT_EQ(OnDisk().alarmHour, 6);
    EXPECT_EQ(OnDisk().alarmMinutes, 30);
}

// The settings' folder has gone since the start: OK's save fails, and a box
// over the clock names the file and the system's reason; the alarm stays set.
TEST_F(ViewExchangeTest, AnOkWhoseSaveFailsShowsTheFileAndTheReason)
{
    const wxString folder = wxFileName::CreateTempFileName("vellmor-gone");
    wxRemoveFile(folder);
    ASSERT_TRUE(wxMkdir(folder));
    const std::string gone = folder.utf8_string() + "/vellmor.ini";
    ClockSettings elsewhere;
    elsewhere.iniPath = gone;
    view->Controller().InitialUpdate(elsewhere);
    ASSERT_TRUE(wxRmdir(folder));
    int boxes = 0;
    wxTEST_DIALOG(Command(ClockCommand::Alarm),
                  ExpectDialog<CAlarmDlg>([](CAlarmDlg& dlg) {
                      ClickCheckBox(dlg, kIdAlarmEnable);
                      SetEditText(dlg, kIdAlarmHour, "6");
                      ClickButton(dlg, wxID_OK);
                  }),
                  ExpectMessage(SaveFailureMessage(gone, "No such file or directory"), &boxes));
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(Settings().alarmEnable, 1);
    EXPECT_EQ(Settings().alarmHour, 6);
    StartWith(Settings());  // back to the scratch file
}

TEST_F(ViewExchangeTest, AlarmCancelKeepsTheOldValues)
{
    ClockSettings settings;
    settings.alarmEnable = 1;
    settings.alarmHour = 7;
    StartWith(settings);
    const ClockSettings before = Settings();
    wxTEST_DIALOG(Command(ClockCommand::Alarm), ExpectDialog<CAlarmDlg>([](CAlarmDlg& dlg) {
        ClickCheckBox(dlg, kIdAlarmEnable);
        ClickButton(dlg, wxID_CANCEL);
    }));
    EXPECT_EQ(Settings(), before);
    EXPECT_TRUE(FileIsEmpty()) << "Cancel wrote the settings";
}

TEST_F(ViewExchangeTest, TokiInfoShowsTheDayWithNamesOfTheDisplaySystemAndLeavesTheBell)
{
    const struct {
        int display;
        const char* firstLabelStart;
    } cases[] = {{4, "暁九つ  "}, {3, "暁九つ (子)  "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display);
        ClockSettings settings;
        settings.twelveShiDisplay = c.display;
        StartWith(settings);
        Command(ClockCommand::Strike);
        wxTEST_DIALOG(Command(ClockCommand::TokiInfo),
                      ExpectDialog<CTokiInfoDlg>([this, &c](CTokiInfoDlg& dlg) {
                          EXPECT_EQ(Clock().StrikesLeft(), 1) << "the bell goes on";
                          const TokiCalendar& calendar = Clock().Calendar();
                          EXPECT_EQ(dlg.data.entryLabels[0].rfind(c.firstLabelStart, 0), 0u)
                              << dlg.data.entryLabels[0];
                          EXPECT_EQ(dlg.data.entryMinutes[0], 0);
                          EXPECT_EQ(dlg.data.entryMinutes[24],
                                    calendar.GetBoundary(24) - calendar.GetBoundary(0));
                          EXPECT_EQ(dlg.data.placeDateText.rfind("横浜 － 西暦 ", 0), 0u);
                          EXPECT_EQ(dlg.data.coordinatesText,
                                    "（北緯 35度 27分、東経 139度 39分）");
                          EXPECT_TRUE(dlg.IsLaidOut());
                      }));
    }
}

}  // namespace

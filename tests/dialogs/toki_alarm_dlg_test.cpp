// The toki alarms' dialogs on screen, and the quiet hours of the settings
// dialog: what they show, what OK takes, and the refused values, whose
// messages name their field.
#include "ClockSettings.h"
#include "ClockSource.h"
#include "DialogIds.h"
#include "DialogTestKit.h"
#include "SettingsDlg.h"
#include "TokiAlarmEditDlg.h"
#include "TokiAlarmListDlg.h"
#include "TokiAlarmTime.h"

#include <gtest/gtest.h>

#include <wx/choice.h>
#include <wx/listctrl.h>

#include <string>

namespace {

std::string ChoiceText(wxWindow& dialog, int id)
{
    return Get<wxChoice>(dialog, id).GetStringSelection().utf8_string();
}

class TokiAlarmEditTest : public DialogTest {
protected:
    void Open(const TokiAlarm& alarm, int twelveShiDisplay = kTemporalHourDisplay)
    {
        dialog = new CTokiAlarmEditDlg(owner, twelveShiDisplay);  // destroyed with owner
        dialog->fields = TokiAlarmEditFieldsFrom(alarm);
        dialog->Show();
        Settle();
    }

    CTokiAlarmEditDlg* dialog = nullptr;
};

TEST_F(TokiAlarmEditTest, OpensWithTheAlarmAndTheNamesOfTheDisplayStyle)
{
    TokiAlarm alarm;
    alarm.offset = -15;
    alarm.days = 62;
    alarm.sound = kAlarmSoundBox;
    alarm.label = "夕の支度";
    Open(alarm);
    EXPECT_TRUE(Get<wxCheckBox>(*dialog, kIdTokiAlarmOn).GetValue());
    EXPECT_TRUE(Get<wxRadioButton>(*dialog, kIdTokiAlarmByToki).GetValue());
    EXPECT_EQ(ChoiceText(*dialog, kIdTokiAlarmToki), "暮六つ (酉)");
    EXPECT_EQ(Get<wxChoice>(*dialog, kIdTokiAlarmToki).GetCount(), 24u);
    EXPECT_EQ(EditText(*dialog, kIdTokiAlarmOffset), "15");
    EXPECT_EQ(ChoiceText(*dialog, kIdTokiAlarmBeforeAfter), "前");
    for (int d = 0; d < 7; ++d) {
        EXPECT_EQ(Get<wxCheckBox>(*dialog, kIdTokiAlarmSunday + d).GetValue(), d >= 1 && d <= 5);
    }
    EXPECT_TRUE(Get<wxRadioButton>(*dialog, kIdTokiAlarmBox).GetValue());
    EXPECT_EQ(EditText(*dialog, kIdTokiAlarmLabel), "夕の支度");
    // A toki: the clock time is not usable, and the other way round.
    EXPECT_TRUE(Get<wxChoice>(*dialog, kIdTokiAlarmToki).IsEnabled());
    EXPECT_FALSE(Edit(*dialog, kIdTokiAlarmHour).IsEnabled());
    ClickRadio(*dialog, kIdTokiAlarmByTime);
    EXPECT_FALSE(Get<wxChoice>(*dialog, kIdTokiAlarmToki).IsEnabled());
    EXPECT_TRUE(Edit(*dialog, kIdTokiAlarmHour).IsEnabled());
    EXPECT_TRUE(Edit(*dialog, kIdTokiAlarmMinutes).IsEnabled());
    dialog->Destroy();
    Settle();

    Open(alarm, kFixedHourDisplay);
    EXPECT_EQ(ChoiceText(*dialog, kIdTokiAlarmToki), "暮六つ");
}

TEST_F(TokiAlarmEditTest, OkTakesEveryField)
{
    Open(TokiAlarm());
    ClickRadio(*dialog, kIdTokiAlarmByTime);
    SetEditText(*dialog, kIdTokiAlarmHour, "6");
    SetEditText(*dialog, kIdTokiAlarmMinutes, "30");
    SetEditText(*dialog, kIdTokiAlarmOffset, "10");
    Get<wxChoice>(*dialog, kIdTokiAlarmBeforeAfter).SetSelection(1);
    ClickCheckBox(*dialog, kIdTokiAlarmSunday);
    ClickRadio(*dialog, kIdTokiAlarmNotify);
    SetEditText(*dialog, kIdTokiAlarmLabel, "散歩");
    ClickCheckBox(*dialog, kIdTokiAlarmOn);
    ClickButton(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown());
    TokiAlarm stored;
    CopyTokiAlarmEditFieldsBack(dialog->fields, stored);
    EXPECT_EQ(stored.enable, 0);
    EXPECT_EQ(stored.toki, kAlarmAtClockTime);
    EXPECT_EQ(stored.hour, 6);
    EXPECT_EQ(stored.minutes, 30);
    EXPECT_EQ(stored.offset, 10);
    EXPECT_EQ(stored.days, 126);
    EXPECT_EQ(stored.sound, kAlarmSoundNotification);
    EXPECT_EQ(stored.label, "散歩");
}

TEST_F(TokiAlarmEditTest, ARefusedValueNamesItsFieldAndTheFocusGoesBackToIt)
{
    const struct {
        int id;
        std::string text;
        std::string message;
        bool clockTime;
    } cases[] = {
        {kIdTokiAlarmOffset, "721", "前後の分: 0 から 720 までの整数を入力してください。", false},
        {kIdTokiAlarmOffset, "", "前後の分: 整数を入力してください。", false},
        {kIdTokiAlarmHour, "24", "時刻の時: 0 から 23 までの整数を入力してください。", true},
        {kIdTokiAlarmMinutes, "x", "時刻の分: 整数を入力してください。", true},
        {kIdTokiAlarmLabel, std::string(41, 'a'), "ラベル: 40 文字以内で入力してください。",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Open(TokiAlarm());
        if (c.clockTime) {
            ClickRadio(*dialog, kIdTokiAlarmByTime);
        }
        SetEditText(*dialog, c.id, c.text);
        wxTEST_DIALOG(ClickButton(*dialog, wxID_OK), ExpectMessage(c.message));
        EXPECT_TRUE(dialog->IsShown());
        EXPECT_TRUE(FocusedWithAllSelected(Edit(*dialog, c.id)));
        dialog->Destroy();
        Settle();
    }
}

TEST_F(TokiAlarmEditTest, NoDayIsRefusedAndAClockTimeNotChosenIsNotChecked)
{
    TokiAlarm alarm;
    alarm.hour = 99;  // from a hand-edited file; a toki is chosen
    Open(alarm);
    for (int d = 0; d < 7; ++d) {
        ClickCheckBox(*dialog, kIdTokiAlarmSunday + d);
    }
    wxTEST_DIALOG(ClickButton(*dialog, wxID_OK),
                  ExpectMessage("曜日: 曜日を 1 つ以上選んでください。"));
    EXPECT_TRUE(dialog->IsShown());
    Settle();
    EXPECT_EQ(wxWindow::FindFocus(), dialog->FindWindow(kIdTokiAlarmSunday));
    ClickCheckBox(*dialog, kIdTokiAlarmSunday + 6);
    ClickButton(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->fields.hour, 99);
}

class TokiAlarmListTest : public DialogTest {
protected:
    void Open(std::vector<TokiAlarm> alarms)
    {
        dialog = new CTokiAlarmListDlg(owner);  // destroyed with owner
        dialog->fields.alarms = std::move(alarms);
        dialog->fields.place = MakeSolarPlace(35, 27, 139, 39, 9);
        dialog->fields.fromMinute = LocalSecondCount(LocalTime{2006, 1, 1, 10, 0, 0}) / 60;
        dialog->Show();
        Settle();
    }
    wxListCtrl& List() { return Get<wxListCtrl>(*dialog, kIdTokiAlarmList); }
    std::string Cell(int row, int column)
    {
        return List().GetItemText(row, column).utf8_string();
    }
    bool Enabled(int id) { return dialog->FindWindow(id)->IsEnabled(); }

    CTokiAlarmListDlg* dialog = nullptr;
};

TokiAlarm Numbered(int number, int offset = -15)
{
    TokiAlarm alarm;
    alarm.number = number;
    alarm.offset = offset;
    return alarm;
}

TEST_F(TokiAlarmListTest, ShowsEachAlarmInWordsWithItsNextRing)
{
    TokiAlarm weekdays = Numbered(1);
    weekdays.days = 62;
    weekdays.sound = kAlarmSoundBox;
    TokiAlarm off = Numbered(3, 10);
    off.enable = 0;
    Open({weekdays, off});
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_EQ(Cell(0, 0), "オン");
    EXPECT_EQ(Cell(0, 1), "暮六つの15分前");
    EXPECT_EQ(Cell(0, 2), "平日");
    EXPECT_EQ(Cell(0, 3), "アラーム音");
    EXPECT_EQ(Cell(0, 4), "2006-01-02 (月) 17:00");
    EXPECT_EQ(Cell(1, 0), "オフ");
    EXPECT_EQ(Cell(1, 1), "暮六つの10分後");
    EXPECT_EQ(Cell(1, 4), "—");
    EXPECT_EQ(dialog->Selected(), 0);
}

TEST_F(TokiAlarmListTest, AddEditSwitchAndRemove)
{
    Open({Numbered(2)});
    // Add: the edit dialog's OK puts the new alarm, number 1, first.
    wxTEST_DIALOG(ClickButton(*dialog, kIdTokiAlarmAdd),
                  ExpectDialog<CTokiAlarmEditDlg>([](CTokiAlarmEditDlg& edit) {
                      SetEditText(edit, kIdTokiAlarmOffset, "30");
                      Get<wxChoice>(edit, kIdTokiAlarmBeforeAfter).SetSelection(1);
                      ClickButton(edit, wxID_OK);
                  }));
    ASSERT_EQ(dialog->fields.alarms.size(), 2u);
    EXPECT_EQ(dialog->fields.alarms[0].number, 1);
    EXPECT_EQ(dialog->fields.alarms[0].offset, 30);
    EXPECT_EQ(dialog->Selected(), 0);
    EXPECT_EQ(Cell(0, 1), "暮六つの30分後");

    // Edit the second; Cancel there changes nothing.
    dialog->Select(1);
    wxTEST_DIALOG(ClickButton(*dialog, kIdTokiAlarmEdit),
                  ExpectDialog<CTokiAlarmEditDlg>([](CTokiAlarmEditDlg& edit) {
                      EXPECT_EQ(EditText(edit, kIdTokiAlarmOffset), "15");
                      Get<wxChoice>(edit, kIdTokiAlarmToki).SetSelection(6);
                      ClickButton(edit, wxID_OK);
                  }));
    EXPECT_EQ(Cell(1, 1), "明六つの15分前");
    wxTEST_DIALOG(ClickButton(*dialog, kIdTokiAlarmEdit),
                  ExpectDialog<CTokiAlarmEditDlg>([](CTokiAlarmEditDlg& edit) {
                      SetEditText(edit, kIdTokiAlarmOffset, "1");
                      ClickButton(edit, wxID_CANCEL);
                  }));
    EXPECT_EQ(Cell(1, 1), "明六つの15分前");

    ClickButton(*dialog, kIdTokiAlarmToggle);
    EXPECT_EQ(Cell(1, 0), "オフ");
    EXPECT_FALSE(dialog->fields.alarms[1].IsOn());

    ClickButton(*dialog, kIdTokiAlarmRemove);
    ASSERT_EQ(dialog->fields.alarms.size(), 1u);
    EXPECT_EQ(dialog->fields.alarms[0].number, 1);
    EXPECT_EQ(dialog->Selected(), 0);  // the row before the removed one
    ClickButton(*dialog, kIdTokiAlarmRemove);
    EXPECT_TRUE(dialog->fields.alarms.empty());
    EXPECT_FALSE(Enabled(kIdTokiAlarmEdit));
    EXPECT_FALSE(Enabled(kIdTokiAlarmRemove));
    EXPECT_FALSE(Enabled(kIdTokiAlarmToggle));
    EXPECT_TRUE(Enabled(kIdTokiAlarmAdd));
}

TEST_F(TokiAlarmListTest, EightAreTheMost)
{
    std::vector<TokiAlarm> alarms;
    for (int n = 1; n <= kMaxTokiAlarms; ++n) {
        alarms.push_back(Numbered(n));
    }
    Open(alarms);
    EXPECT_FALSE(Enabled(kIdTokiAlarmAdd));
    ClickButton(*dialog, kIdTokiAlarmRemove);
    EXPECT_TRUE(Enabled(kIdTokiAlarmAdd));
}

class QuietHoursDialogTest : public DialogTest {
protected:
    void Open(const QuietHours& quiet, int twelveShiDisplay = kTemporalHourDisplay)
    {
        ClockSettings settings;
        settings.quiet = quiet;
        settings.twelveShiDisplay = twelveShiDisplay;
        dialog = new CSettingsDlg(owner);  // destroyed with owner
        dialog->fields = SettingsFieldsFrom(settings);
        dialog->Show();
        Settle();
    }

    CSettingsDlg* dialog = nullptr;
};

TEST_F(QuietHoursDialogTest, ShowsTheKindInForceAndChoosingAValuePicksItsKind)
{
    Open({20, 6, "", ""});
    EXPECT_TRUE(Get<wxRadioButton>(*dialog, kIdQuietByToki).GetValue());
    EXPECT_EQ(ChoiceText(*dialog, kIdQuietFromToki), "夜五つ (戌)");
    EXPECT_EQ(ChoiceText(*dialog, kIdQuietToToki), "明六つ (卯)");
    EXPECT_EQ(EditText(*dialog, kIdQuietFromTime), "22:00");

    Edit(*dialog, kIdQuietToTime).SetValue("7:00");  // typed: the kind follows
    EXPECT_TRUE(Get<wxRadioButton>(*dialog, kIdQuietByTime).GetValue());
    ClickButton(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(QuietHoursFromFields(dialog->fields.quiet), (QuietHours{-1, -1, "22:00", "07:00"}));
}

TEST_F(QuietHoursDialogTest, ATimeThatIsNoClockTimeIsRefusedByName)
{
    Open({-1, -1, "22:00", "06:30"}, kFixedHourDisplay);
    EXPECT_EQ(ChoiceText(*dialog, kIdQuietFromToki), "暮六つ");  // offered, plain names
    SetEditText(*dialog, kIdQuietToTime, "24:00");
    wxTEST_DIALOG(ClickButton(*dialog, wxID_OK),
                  ExpectMessage("鐘を休む時間の終わり: 00:00 から 23:59 までの時刻を HH:MM "
                                "の形で入力してください。"));
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_TRUE(FocusedWithAllSelected(Edit(*dialog, kIdQuietToTime)));

    // Not checked while the quiet hours are off.
    ClickRadio(*dialog, kIdQuietNone);
    ClickButton(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(QuietHoursFromFields(dialog->fields.quiet), QuietHours());
}

}  // namespace

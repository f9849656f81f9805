// The alarm dialog on screen: the check box and its edits, validation at OK
// and at every click of the box.
#include "AlarmDlg.h"
#include "DialogIds.h"
#include "DialogTestKit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHourRange = "0 から 23 までの整数を入力してください。";
const std::string kMinuteRange = "0 から 59 までの整数を入力してください。";

class AlarmDialogTest : public DialogTest {
protected:
    void Open(int enable, int hour, int minutes)
    {
        dialog = new CAlarmDlg(owner);  // destroyed with owner
        dialog->fields = AlarmFields{enable, hour, minutes};
        dialog->Show();
        Settle();
    }

    bool TimeEditsEnabled(bool expected)
    {
        const bool hour = Edit(*dialog, kIdAlarmHour).IsEnabled();
        const bool minutes = Edit(*dialog, kIdAlarmMinutes).IsEnabled();
        EXPECT_EQ(hour, minutes) << "the two edits differ";
        return hour == expected && minutes == expected;
    }

    CAlarmDlg* dialog = nullptr;
};

TEST_F(AlarmDialogTest, OpensWithTheFieldsAndEditsEnabledOnlyWhenOn)
{
    // A value the box cannot hold, from a hand-edited file, opens as off.
    const struct {
        int enable;
        bool on;
    } cases[] = {{0, false}, {1, true}, {5, false}, {-1, false}, {3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("Enable=" + std::to_string(c.enable));
        Open(c.enable, 7, 5);
        EXPECT_EQ(Get<wxCheckBox>(*dialog, kIdAlarmEnable).GetValue(), c.on);
        EXPECT_EQ(dialog->fields.alarmEnable, c.on ? 1 : 0);
        EXPECT_EQ(EditText(*dialog, kIdAlarmHour), "7");
        EXPECT_EQ(EditText(*dialog, kIdAlarmMinutes), "5");
        EXPECT_TRUE(TimeEditsEnabled(c.on));
        dialog->Destroy();
        Settle();
    }
}

TEST_F(AlarmDialogTest, EveryClickOnTheBoxSwitchesTheEditsAndReadsTheControls)
{
    Open(0, 12, 0);
    ClickCheckBox(*dialog, kIdAlarmEnable);
    EXPECT_TRUE(TimeEditsEnabled(true));
    EXPECT_EQ(dialog->fields.alarmEnable, 1);

    SetEditText(*dialog, kIdAlarmHour, "6");
    ClickCheckBox(*dialog, kIdAlarmEnable);
    EXPECT_TRUE(TimeEditsEnabled(false));
    EXPECT_EQ(dialog->fields.alarmEnable, 0);
    EXPECT_EQ(dialog->fields.alarmHour, 6);  // read at the click
    EXPECT_TRUE(dialog->IsShown());
}

TEST_F(AlarmDialogTest, TimesOutsideTheClockAreRejectedAtOk)
{
    const struct {
        int id;
        std::string text;
        std::string message;
    } cases[] = {
        {kIdAlarmHour, "24", kHourRange},
        {kIdAlarmHour, "-1", kHourRange},
        {kIdAlarmHour, "", "整数を入力してください。"},
        {kIdAlarmMinutes, "60", kMinuteRange},
        {kIdAlarmMinutes, "3O", "整数を入力してください。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " \"" + c.text + "\"");
        Open(1, 12, 0);
        SetEditText(*dialog, c.id, c.text);
        wxTEST_DIALOG(ClickButton(*dialog, wxID_OK), ExpectMessage(c.message));
        EXPECT_TRUE(dialog->IsShown());
        EXPECT_TRUE(FocusedWithAllSelected(Edit(*dialog, c.id)));
        dialog->Destroy();
        Settle();
    }
}

TEST_F(AlarmDialogTest, FirstAndLastTimesOfTheDayAreAccepted)
{
    const struct {
        std::string hour;
        std::string minutes;
        int h;
        int m;
    } cases[] = {{"0", "0", 0, 0}, {"23", "59", 23, 59}, {" 07 ", "05", 7, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hour + ":" + c.minutes);
        Open(1, 12, 0);
        SetEditText(*dialog, kIdAlarmHour, c.hour);
        SetEditText(*dialog, kIdAlarmMinutes, c.minutes);
        ClickButton(*dialog, wxID_OK);
        EXPECT_FALSE(dialog->IsShown());
        EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
        EXPECT_EQ(dialog->fields.alarmHour, c.h);
        EXPECT_EQ(dialog->fields.alarmMinutes, c.m);
        dialog->Destroy();
        Settle();
    }
}

TEST_F(AlarmDialogTest, BadHourIsReportedAtTheClickAndBlocksOkUntilCorrected)
{
    Open(1, 12, 0);
    SetEditText(*dialog, kIdAlarmHour, "25");

    wxTEST_DIALOG(ClickCheckBox(*dialog, kIdAlarmEnable), ExpectMessage(kHourRange));
    EXPECT_EQ(dialog->fields.alarmEnable, 0);  // the box is read before the hour
    EXPECT_TRUE(TimeEditsEnabled(false));

    wxTEST_DIALOG(ClickButton(*dialog, wxID_OK), ExpectMessage(kHourRange));
    EXPECT_TRUE(dialog->IsShown());

    wxTEST_DIALOG(ClickCheckBox(*dialog, kIdAlarmEnable), ExpectMessage(kHourRange));
    EXPECT_TRUE(TimeEditsEnabled(true));
    EXPECT_TRUE(FocusedWithAllSelected(Edit(*dialog, kIdAlarmHour)));

    SetEditText(*dialog, kIdAlarmHour, "21");
    ClickButton(*dialog, wxID_OK);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->fields.alarmEnable, 1);
    EXPECT_EQ(dialog->fields.alarmHour, 21);
}

TEST_F(AlarmDialogTest, CancelKeepsTheFields)
{
    Open(0, 12, 0);
    ClickCheckBox(*dialog, kIdAlarmEnable);
    SetEditText(*dialog, kIdAlarmHour, "99");
    ClickButton(*dialog, wxID_CANCEL);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(dialog->fields.alarmHour, 12);
}

}  // namespace

// The toki alarms in words, the fields of their dialogs, and the quiet
// hours of the settings dialog.
#include "ClockSettings.h"
#include "ClockSource.h"
#include "NamedFieldRules.h"
#include "QuietHoursFields.h"
#include "SettingsFields.h"
#include "TokiAlarmFields.h"
#include "TokiAlarmWords.h"

#include <gtest/gtest.h>

namespace {

TokiAlarm Alarm(int toki, int offset, int hour = 0, int minutes = 0)
{
    TokiAlarm alarm;
    alarm.toki = toki;
    alarm.offset = offset;
    alarm.hour = hour;
    alarm.minutes = minutes;
    return alarm;
}

TEST(TokiAlarmWords, TheMomentTheDaysAndTheSound)
{
    const struct {
        TokiAlarm alarm;
        const char* words;
    } moments[] = {
        {Alarm(18, -15), "暮六つの15分前"}, {Alarm(6, 10), "明六つの10分後"},
        {Alarm(18, 0), "暮六つ"},           {Alarm(1, -720), "暁九つ半の720分前"},
        {Alarm(-1, -5, 6, 30), "06:30の5分前"}, {Alarm(-1, 0, 0, 0), "00:00"},
        {Alarm(24, 0), kInvalidMomentWords},    {Alarm(18, 721), kInvalidMomentWords},
        {Alarm(-1, 0, 24, 0), kInvalidMomentWords},
    };
    for (const auto& c : moments) {
        EXPECT_EQ(TokiAlarmMomentWords(c.alarm), c.words);
    }
    const struct {
        int days;
        const char* words;
    } days[] = {{127, "毎日"}, {62, "平日"}, {65, "土日"}, {0, "なし"}, {42, "月水金"},
                {1, "日"},    {255, "毎日"}};
    for (const auto& c : days) {
        EXPECT_EQ(TokiAlarmDaysWords(c.days), c.words) << c.days;
    }
    EXPECT_EQ(TokiAlarmSoundWords(0), "鐘");
    EXPECT_EQ(TokiAlarmSoundWords(1), "アラーム音");
    EXPECT_EQ(TokiAlarmSoundWords(2), "通知");
    EXPECT_EQ(TokiAlarmSoundWords(7), "鐘");  // what it rings
}

TEST(TokiAlarmWords, TheLabelIsTheAlarmsOwnOrTheMomentInWords)
{
    TokiAlarm alarm = Alarm(18, -15);
    EXPECT_EQ(TokiAlarmLabelText(alarm), "暮六つの15分前");
    alarm.label = "夕の支度";
    EXPECT_EQ(TokiAlarmLabelText(alarm), "夕の支度");
}

TEST(TokiAlarmRows, ShowTheNextRingOfAnAlarmThatIsOn)
{
    ClockSettings settings;  // Yokohama
    TokiAlarm on = Alarm(18, -15);
    on.days = 62;
    TokiAlarm off = on;
    off.number = 2;
    off.enable = 0;
    settings.tokiAlarms = {on, off};
    // Sunday 2006-01-01 10:00: the weekdays' first is Monday, 17:00.
    const long long from = LocalSecondCount(LocalTime{2006, 1, 1, 10, 0, 0}) / 60;
    const TokiAlarmListFields list = TokiAlarmListFieldsFrom(settings, from);
    const TokiAlarmRow row = TokiAlarmRowOf(list.alarms[0], list);
    EXPECT_EQ(row.onOff, "オン");
    EXPECT_EQ(row.moment, "暮六つの15分前");
    EXPECT_EQ(row.days, "平日");
    EXPECT_EQ(row.sound, "鐘");
    EXPECT_EQ(row.next, "2006-01-02 (月) 17:00");
    const TokiAlarmRow offRow = TokiAlarmRowOf(list.alarms[1], list);
    EXPECT_EQ(offRow.onOff, "オフ");
    EXPECT_EQ(offRow.next, "—");
}

TEST(TokiAlarmList, AddTakesTheLowestFreeNumberUpToEight)
{
    TokiAlarmListFields list;
    for (int n : {1, 2, 4}) {
        TokiAlarm a;
        a.number = n;
        list.alarms.push_back(a);
    }
    EXPECT_EQ(AddTokiAlarm(list, NewTokiAlarm()), 2);
    EXPECT_EQ(list.alarms[2].number, 3);
    RemoveTokiAlarm(list, 0);
    EXPECT_EQ(AddTokiAlarm(list, NewTokiAlarm()), 0);
    EXPECT_EQ(list.alarms[0].number, 1);
    while (AddTokiAlarm(list, NewTokiAlarm()) >= 0) {
    }
    ASSERT_EQ(list.alarms.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(list.alarms[static_cast<std::size_t>(i)].number, i + 1);
    }
    ToggleTokiAlarm(list, 7);
    EXPECT_FALSE(list.alarms[7].IsOn());
    ToggleTokiAlarm(list, 7);
    EXPECT_EQ(list.alarms[7].enable, 1);
}

TEST(TokiAlarmEditFields, OpenAndStoreRoundTheAlarm)
{
    TokiAlarm alarm = Alarm(18, -15);
    alarm.number = 5;
    alarm.days = 62;
    alarm.sound = 1;
    alarm.label = "夕の支度";
    TokiAlarmEditFields fields = TokiAlarmEditFieldsFrom(alarm);
    EXPECT_EQ(fields.kind, 0);
    EXPECT_EQ(fields.toki, 18);
    EXPECT_EQ(fields.offsetMinutes, 15);
    EXPECT_EQ(fields.offsetAfter, 0);
    EXPECT_EQ(fields.days, (std::array<int, 7>{0, 1, 1, 1, 1, 1, 0}));
    TokiAlarm back;
    back.number = 5;
    CopyTokiAlarmEditFieldsBack(fields, back);
    EXPECT_EQ(back, alarm);

    // A clock time, moved after it.
    fields.kind = 1;
    fields.hour = 6;
    fields.minutes = 30;
    fields.offsetAfter = 1;
    CopyTokiAlarmEditFieldsBack(fields, back);
    EXPECT_EQ(back.toki, kAlarmAtClockTime);
    EXPECT_EQ(back.offset, 15);
    EXPECT_EQ(TokiAlarmEditFieldsFrom(back).kind, 1);

    // Values of a hand-edited file: no toki chosen, the bell for the sound.
    TokiAlarm odd = Alarm(30, 0);
    odd.sound = 9;
    odd.enable = 3;
    const TokiAlarmEditFields oddFields = TokiAlarmEditFieldsFrom(odd);
    EXPECT_EQ(oddFields.toki, -1);
    EXPECT_EQ(oddFields.sound, 0);
    EXPECT_EQ(oddFields.enable, 0);
}

TEST(TokiChoiceNames, FollowTheDisplayStyle)
{
    EXPECT_STREQ(TokiChoiceNames(kTemporalHourDisplay)[18], "暮六つ (酉)");
    EXPECT_STREQ(TokiChoiceNames(kFixedHourDisplay)[18], "暮六つ");
    EXPECT_STREQ(TokiChoiceNames(kFixedHourDisplay)[19], "暮六つ半");
}

TEST(QuietHoursFields, TheKindInForceAndWhatOkStores)
{
    const struct {
        QuietHours stored;
        QuietKind kind;
    } kinds[] = {
        {{-1, -1, "", ""}, QuietKind::None},
        {{20, 6, "", ""}, QuietKind::ByToki},
        {{20, 6, "22:00", "06:30"}, QuietKind::ByToki},  // the toki come first
        {{-1, -1, "22:00", "6:30"}, QuietKind::ByClockTime},
        {{20, 24, "22:00", "06:30"}, QuietKind::ByClockTime},
        {{-1, -1, "22:00", ""}, QuietKind::None},
        {{-1, -1, "22:00", "25:00"}, QuietKind::None},
    };
    for (const auto& c : kinds) {
        EXPECT_EQ(QuietKindOf(c.stored), c.kind) << c.stored.fromToki << " " << c.stored.fromTime;
    }

    QuietHoursFields fields = QuietHoursFieldsFrom({20, 6, "", ""});
    EXPECT_EQ(fields.kind, 1);
    EXPECT_EQ(fields.fromTime, "22:00");  // offered for a switch to clock times
    fields.kind = 2;
    fields.fromTime = "7:05";
    fields.toTime = "08:00";
    EXPECT_EQ(QuietHoursFromFields(fields), (QuietHours{-1, -1, "07:05", "08:00"}));
    fields.kind = 0;
    EXPECT_EQ(QuietHoursFromFields(fields), QuietHours());

    ClockSettings settings;
    settings.quiet = {20, 6, "", ""};
    SettingsFields dialog = SettingsFieldsFrom(settings);
    EXPECT_EQ(dialog.quiet.kind, 1);
    dialog.quiet.toToki = 5;
    CopySettingsFieldsBack(dialog, settings);
    EXPECT_EQ(settings.quiet, (QuietHours{20, 5, "", ""}));
}

TEST(NamedFieldRules, MessagesNameTheirFieldAndClockTimesAreChecked)
{
    EXPECT_EQ(NamedFieldMessage(kAlarmOffsetField, "0 から 720 までの整数を入力してください。"),
              "前後の分: 0 から 720 までの整数を入力してください。");
    EXPECT_TRUE(CheckClockTimeText("6:30").ok);
    EXPECT_EQ(CheckClockTimeText("6:30").value, 390);
    const InputCheck refused = CheckClockTimeText("6.30");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, kNotClockTimeMessage);
}

}  // namespace

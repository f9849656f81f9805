// The toki alarms' sections and the quiet hours in the settings file.
#include "ClockSettings.h"
#include "ShiftJis.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TokiAlarmFile : public ::testing::Test {
protected:
    ClockSettings LoadText(const std::string& text)
    {
        WriteBytes(path, text);
        ClockSettings s;
        s.LoadFrom(path);
        return s;
    }

    TempDir dir;
    std::string path = dir.File("vellmor.ini");
};

TEST_F(TokiAlarmFile, EachSectionThereIsAnAlarmAndMissingKeysDefault)
{
    const std::string label = Utf8ToCp932("夕の支度");
    const ClockSettings s = LoadText(
        "[Toki Alarm 3]\r\n"
        "Enable=1\r\nToki=18\r\nOffset=-15\r\nDays=62\r\nSound=1\r\nLabel=" + label + "\r\n"
        "[toki alarm 1]\r\n"  // names match without regard to case
        "[Toki Alarm 9]\r\n"  // beyond eight: not an alarm
        "Toki=6\r\n"
        "[Time System]\r\nQuietFrom=20\r\nQuietTo=6\r\nQuietFromTime=22:00\r\n");
    ASSERT_EQ(s.tokiAlarms.size(), 2u);
    TokiAlarm first;  // the header alone: every key its default
    first.number = 1;
    EXPECT_EQ(s.tokiAlarms[0], first);
    EXPECT_EQ(first.enable, 1);
    EXPECT_EQ(first.toki, 18);
    EXPECT_EQ(first.days, 127);
    const TokiAlarm& third = s.tokiAlarms[1];
    EXPECT_EQ(third.number, 3);
    EXPECT_EQ(third.offset, -15);
    EXPECT_EQ(third.days, 62);
    EXPECT_EQ(third.sound, kAlarmSoundBox);
    EXPECT_EQ(third.label, "夕の支度");
    EXPECT_EQ(s.quiet.fromToki, 20);
    EXPECT_EQ(s.quiet.toToki, 6);
    EXPECT_EQ(s.quiet.fromTime, "22:00");
    EXPECT_EQ(s.quiet.toTime, "");  // missing
}

TEST_F(TokiAlarmFile, LabelIsCp932OnDiskAndCutTo40BytesWhenRead)
{
    // 21 double-byte characters: 42 bytes; the 21st is dropped whole.
    const std::string long21 = "一二三四五六七八九十一二三四五六七八九十一";
    ClockSettings s;
    s.iniPath = path;
    TokiAlarm alarm;
    alarm.label = long21;
    s.tokiAlarms.push_back(alarm);
    ASSERT_TRUE(s.Save());
    EXPECT_NE(ReadBytes(path).find("Label=" + Utf8ToCp932(long21) + "\n"), std::string::npos);

    ClockSettings again;
    again.LoadFrom(path);
    ASSERT_EQ(again.tokiAlarms.size(), 1u);
    EXPECT_EQ(again.tokiAlarms[0].label, "一二三四五六七八九十一二三四五六七八九十");
}

TEST_F(TokiAlarmFile, SaveKeepsUnknownLinesAndRemovesTheSectionsOfRemovedAlarms)
{
    ClockSettings s = LoadText(
        "[Toki Alarm 1]\r\n"
        "; my morning\r\n"
        "Toki=6\r\n"
        "Colour=red\r\n"
        "[Toki Alarm 2]\r\n"
        "Toki=18\r\n"
        "Colour=blue\r\n"
        "\r\n"
        "[Other]\r\n"
        "Key=1\r\n"
        "[Toki Alarm 2]\r\n"  // a later duplicate would come back first
        "Toki=12\r\n"
        "[Toki Alarm 9]\r\n"
        "Toki=3\r\n");
    ASSERT_EQ(s.tokiAlarms.size(), 2u);
    s.tokiAlarms.pop_back();          // alarm 2 removed
    s.tokiAlarms[0].offset = 10;      // alarm 1 edited
    TokiAlarm added;
    added.number = 4;
    added.toki = -1;
    added.hour = 6;
    added.minutes = 30;
    s.tokiAlarms.push_back(added);
    ASSERT_TRUE(s.Save());

    const std::string saved = ReadBytes(path);
    EXPECT_NE(saved.find("[Toki Alarm 1]\r\n"
                         "; my morning\r\n"
                         "Toki=6\r\n"
                         "Colour=red\r\n"
                         "Enable=1\r\n"
                         "Hour=0\r\n"
                         "Minutes=0\r\n"
                         "Offset=10\r\n"
                         "Days=127\r\n"
                         "Sound=0\r\n"
                         "Label=\r\n"
                         "[Other]\r\n"
                         "Key=1\r\n"
                         "[Toki Alarm 9]\r\n"
                         "Toki=3\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("[Toki Alarm 2]"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Colour=blue"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[Toki Alarm 4]\r\n"
                         "Enable=1\r\n"
                         "Toki=-1\r\n"
                         "Hour=6\r\n"
                         "Minutes=30\r\n"
                         "Offset=0\r\n"
                         "Days=127\r\n"
                         "Sound=0\r\n"
                         "Label=\r\n"),
              std::string::npos)
        << saved;

    ClockSettings again;
    again.LoadFrom(path);
    ASSERT_EQ(again.tokiAlarms.size(), 2u);
    EXPECT_EQ(again.tokiAlarms[0], s.tokiAlarms[0]);
    EXPECT_EQ(again.tokiAlarms[1], s.tokiAlarms[1]);
}

TEST_F(TokiAlarmFile, ValuesOutOfRangeAreTakenAsTheFileHoldsThem)
{
    ClockSettings s = LoadText("[Toki Alarm 8]\nEnable=5\nToki=30\nOffset=-9999\nSound=7\n"
                               "[Time System]\nQuietFrom=abc\nQuietToTime=25:99\n");
    ASSERT_EQ(s.tokiAlarms.size(), 1u);
    EXPECT_EQ(s.tokiAlarms[0].number, 8);
    EXPECT_FALSE(s.tokiAlarms[0].IsOn());
    EXPECT_EQ(s.tokiAlarms[0].toki, 30);
    EXPECT_EQ(s.tokiAlarms[0].offset, -9999);
    EXPECT_EQ(s.tokiAlarms[0].sound, 7);
    EXPECT_EQ(s.quiet.fromToki, 0);  // the leading-integer rule
    EXPECT_EQ(s.quiet.toTime, "25:99");
    ASSERT_TRUE(s.Save());
    const std::string saved = ReadBytes(path);
    for (const char* line : {"Enable=5\n", "Toki=30\n", "Offset=-9999\n", "QuietToTime=25:99\n"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
}

TEST(TokiAlarmNumbers, TheLowestFreeNumberAndTheUnusedSections)
{
    std::vector<TokiAlarm> alarms(3);
    alarms[0].number = 1;
    alarms[1].number = 2;
    alarms[2].number = 4;
    EXPECT_EQ(FreeTokiAlarmNumber(alarms), 3);
    EXPECT_EQ(UnusedTokiAlarmSections(alarms),
              (std::vector<std::string>{"Toki Alarm 3", "Toki Alarm 5", "Toki Alarm 6",
                                        "Toki Alarm 7", "Toki Alarm 8"}));
    alarms.resize(8);
    for (int n = 0; n < 8; ++n) {
        alarms[static_cast<std::size_t>(n)].number = n + 1;
    }
    EXPECT_EQ(FreeTokiAlarmNumber(alarms), 0);
    EXPECT_TRUE(UnusedTokiAlarmSections(alarms).empty());
}

}  // namespace

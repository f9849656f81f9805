#include "ClockSettings.h"
#include "IniPath.h"
#include "ShiftJis.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// What a first save writes: four sections, fifteen keys and the quiet hours
// of the chime, no "Time Difference", no toki alarm.
const std::string kNewFile =
    "[Time System]\n"
    "Chime=3\n"
    "ChimeCount=2\n"
    "Joya=32\n"
    "12Shi Display=3\n"
    "QuietFrom=-1\n"
    "QuietTo=-1\n"
    "QuietFromTime=\n"
    "QuietToTime=\n"
    "[Time Display]\n"
    "AddText=0\n"
    "Indicator=0\n"
    "Notify=0\n"
    "[Location]\n"
    "Latitude Degrees=35\n"
    "Latitude Minutes=27\n"
    "Longitude Degrees=139\n"
    "Longitude Minutes=39\n"
    "City=\x89\xA1\x95\x6C\n"
    "[Alarm]\n"
    "Enable=0\n"
    "Hour=12\n"
    "Minutes=0\n";

class ClockSettingsFile : public ::testing::Test {
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

void ExpectDefaults(const ClockSettings& s)
{
    EXPECT_EQ(s.chime, 3);
    EXPECT_EQ(s.chimeCount, 2);
    EXPECT_EQ(s.twelveShiDisplay, 3);
    EXPECT_EQ(s.joya, 32);
    EXPECT_EQ(s.addText, 0);
    EXPECT_EQ(s.indicator, 0);
    EXPECT_EQ(s.notify, 0);
    EXPECT_EQ(s.latitudeDegrees, 35);
    EXPECT_EQ(s.latitudeMinutes, 27);
    EXPECT_EQ(s.longitudeDegrees, 139);
    EXPECT_EQ(s.longitudeMinutes, 39);
    EXPECT_EQ(s.timeDifference, 9);
    EXPECT_EQ(s.city, "横浜");
    EXPECT_EQ(s.alarmEnable, 0);
    EXPECT_EQ(s.alarmHour, 12);
    EXPECT_EQ(s.alarmMinutes, 0);
}

TEST_F(ClockSettingsFile, MissingFileGivesDefaultsAndSaveCreatesSectionsAndKeysInOrder)
{
    ClockSettings s;
    s.chime = 12;  // a loaded record forgets what it held before
    s.city = "x";
    s.LoadFrom(path);
    ExpectDefaults(s);
    EXPECT_EQ(s.iniPath, path);

    ASSERT_TRUE(s.Save());
    EXPECT_EQ(ReadBytes(path), kNewFile);
}

TEST_F(ClockSettingsFile, SaveReplacesValuesInPlaceAndKeepsEveryOtherLine)
{
    const std::string handWritten =
        "; written by hand\r\n"
        "[Time System]\r\n"
        "Chime = 1\r\n"
        "Mystery=42\r\n"
        "12Shi Display=4\r\n"
        "\r\n"
        "[Plugins]\r\n"
        "Chime=77\r\n"
        "[Location]\r\n"
        "Time Difference=8\r\n"
        "City=\x93\xDF\x94\x65\r\n"
        "Latitude Degrees=26\r\n";
    ClockSettings s = LoadText(handWritten);
    EXPECT_EQ(s.chime, 1);
    EXPECT_EQ(s.twelveShiDisplay, 4);
    EXPECT_EQ(s.timeDifference, 8);
    EXPECT_EQ(s.city, "那覇");
    EXPECT_EQ(s.latitudeDegrees, 26);
    EXPECT_EQ(s.joya, 32);  // missing: the default

    s.chime = 4;
    s.latitudeDegrees = 43;
    s.city = "札幌";
    s.timeDifference = 5;  // never written
    s.alarmEnable = 1;
    s.indicator = 1;
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(ReadBytes(path),
              "; written by hand\r\n"
              "[Time System]\r\n"
              "Chime = 4\r\n"
              "Mystery=42\r\n"
              "12Shi Display=4\r\n"
              "ChimeCount=2\r\n"
              "Joya=32\r\n"
              "QuietFrom=-1\r\n"
              "QuietTo=-1\r\n"
              "QuietFromTime=\r\n"
              "QuietToTime=\r\n"
              "\r\n"
              "[Plugins]\r\n"
              "Chime=77\r\n"
              "[Location]\r\n"
              "Time Difference=8\r\n"
              "City=\x8E\x44\x96\x79\r\n"
              "Latitude Degrees=43\r\n"
              "Latitude Minutes=27\r\n"
              "Longitude Degrees=139\r\n"
              "Longitude Minutes=39\r\n"
              "[Time Display]\r\n"
              "AddText=0\r\n"
              "Indicator=1\r\n"
              "Notify=0\r\n"
              "[Alarm]\r\n"
              "Enable=1\r\n"
              "Hour=12\r\n"
              "Minutes=0\r\n");

    ClockSettings again;
    again.LoadFrom(path);
    ClockSettings saved = s;
    saved.timeDifference = 8;  // as the file still says
    EXPECT_EQ(again, saved);
}

TEST_F(ClockSettingsFile, IntegersAreReadFromTheirLeadingCharactersAndSaturate)
{
    const struct {
        const char* value;
        int expected;
    } cases[] = {
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-5", -5},
        {"+7", 7},
        {"0012", 12},
        {"3 4", 3},
        {"0x10", 0},
        {"１２", 0},  // full-width digits are not digits
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const ClockSettings s = LoadText(std::string("[Alarm]\nHour=") + c.value + "\n");
        EXPECT_EQ(s.alarmHour, c.expected);
    }
}

TEST_F(ClockSettingsFile, NegativeZeroAndExtremeValuesSurviveARoundTrip)
{
    ClockSettings s = LoadText("[Time System]\nJoya=0\n[Alarm]\nHour=-5\n");
    EXPECT_EQ(s.joya, 0);
    EXPECT_EQ(s.alarmHour, -5);
    s.latitudeMinutes = INT_MIN;
    s.longitudeMinutes = INT_MAX;
    ASSERT_TRUE(s.Save());
    const std::string text = ReadBytes(path);
    for (const char* line : {"\nJoya=0\n", "\nHour=-5\n", "\nLatitude Minutes=-2147483648\n",
                             "\nLongitude Minutes=2147483647\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    ClockSettings again;
    again.LoadFrom(path);
    EXPECT_EQ(again.joya, 0);
    EXPECT_EQ(again.alarmHour, -5);
    EXPECT_EQ(again.latitudeMinutes, INT_MIN);
    EXPECT_EQ(again.longitudeMinutes, INT_MAX);
}

TEST_F(ClockSettingsFile, AnEmptyCityIsEmptyAndOnlyAMissingKeyGivesTheDefault)
{
    EXPECT_EQ(LoadText("[Location]\nCity=\n").city, "");
    EXPECT_EQ(LoadText("[Location]\nLatitude Degrees=1\n").city, "横浜");
    EXPECT_EQ(LoadText("[Alarm]\nCity=\x93\xDF\x94\x65\n").city, "横浜");
}

TEST_F(ClockSettingsFile, CityIsShiftJisOnDiskAndCutTo18BytesWhenRead)
{
    const struct {
        std::string city;
        std::string readBack;
    } cases[] = {
        {"横浜", "横浜"},
        {"一二三四五六七八九", "一二三四五六七八九"},       // 18 bytes
        {"a一二三四五六七八九", "a一二三四五六七八"},       // 19: 九 straddles, dropped
        {"一二三四五六七八九十", "一二三四五六七八九"},     // 20
        {"abcdefghijklmnopqrst", "abcdefghijklmnopqr"},    // 20 single bytes
        {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ", "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ"},  // half-width kana
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.city);
        ClockSettings s;
        s.iniPath = path;
        s.city = c.city;
        ASSERT_TRUE(s.Save());
        const std::string text = ReadBytes(path);
        EXPECT_NE(text.find("\nCity=" + Utf8ToCp932(c.city) + "\n"), std::string::npos)
            << "saved whole";
        ClockSettings again;
        again.LoadFrom(path);
        EXPECT_EQ(again.city, c.readBack);
    }
}

TEST_F(ClockSettingsFile, InvalidBytesAndBinaryFilesNeverStopTheReader)
{
    const ClockSettings s = LoadText("[Location]\nCity=\x81\xFF\x80" "abc\n[Alarm]\nHour=\xFF" "7\n");
    EXPECT_EQ(s.city, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" "abc");
    EXPECT_EQ(s.alarmHour, 0);

    std::string binary;
    unsigned state = 12345;
    for (int i = 0; i < 1 << 16; ++i) {
        state = state * 1103515245u + 12345u;
        binary += static_cast<char>(state >> 24);
    }
    ClockSettings fromBinary = LoadText(binary + "\n[Alarm]\nMinutes=45\n");
    EXPECT_EQ(fromBinary.alarmMinutes, 45);
    fromBinary.alarmHour = 6;
    ASSERT_TRUE(fromBinary.Save());
    const std::string saved = ReadBytes(path);
    EXPECT_EQ(saved.compare(0, binary.size(), binary), 0) << "other bytes kept";
    ClockSettings again;
    again.LoadFrom(path);
    EXPECT_EQ(again.alarmHour, 6);
    EXPECT_EQ(again.alarmMinutes, 45);
}

TEST_F(ClockSettingsFile, HugeFilesAndMegabyteLinesAreReadAndKept)
{
    std::string junk;
    const std::string line(99, 'j');
    for (int i = 0; i < 320000; ++i) {  // about 32 MB
        junk += line + "\n";
    }
    const std::string megabyte = "Comment=" + std::string(1 << 20, 'm') + "\n";
    ClockSettings s = LoadText(junk + "[Location]\n" + megabyte + "City=" + std::string(1 << 20, 'c') +
                               "\nLongitude Degrees=130\n");
    EXPECT_EQ(s.longitudeDegrees, 130);
    EXPECT_EQ(s.city, std::string(18, 'c'));
    s.longitudeDegrees = 131;
    ASSERT_TRUE(s.Save());
    const std::string saved = ReadBytes(path);
    EXPECT_EQ(saved.compare(0, junk.size(), junk), 0);
    EXPECT_NE(saved.find(megabyte), std::string::npos);
    EXPECT_NE(saved.find("\nLongitude Degrees=131\n"), std::string::npos);
}

TEST(ClockSettingsPath, LoadUsesTheRunningExecutablesOwnIniFile)
{
    ClockSettings s;
    s.Load();
    EXPECT_EQ(s.iniPath, DefaultIniPath());
    const std::string exe = RunningExecutablePath();
    const std::size_t baseStart = exe.find_last_of(kPathSeparators) + 1;
    // The test program's name: "settings_tests", or "settings_tests.exe".
    std::string base = exe.substr(baseStart);
    base = base.substr(0, base.rfind(".exe"));
    EXPECT_EQ(s.iniPath, exe.substr(0, baseStart) + base + ".ini");
}

}  // namespace

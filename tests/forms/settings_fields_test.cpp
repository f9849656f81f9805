#include "AlarmFields.h"
#include "ClockSettings.h"
#include "SettingsFields.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsFieldMapping, ChimeMasksAndIntervalButtons)
{
    const struct {
        int chime;
        int index;
    } open[] = {{1, 0}, {3, 1}, {4, 2}, {12, 3}, {0, 1}, {2, 1}, {8, 1}, {-1, 1}, {15, 1}};
    for (const auto& c : open) {
        EXPECT_EQ(ChimeIndexFromMask(c.chime), c.index) << c.chime;
    }
    const struct {
        int index;
        int oldChime;
        int chime;
    } back[] = {{0, 3, 1}, {1, 1, 3}, {2, 3, 4}, {3, 3, 12}, {-1, 7, 7}, {4, 12, 12}};
    for (const auto& c : back) {
        EXPECT_EQ(ChimeMaskFromIndex(c.index, c.oldChime), c.chime) << c.index;
    }
}

TEST(SettingsFieldMapping, TwelveBranchDisplay)
{
    EXPECT_EQ(TwelveShiIndexFromDisplay(4), 1);
    for (int display : {3, 0, 1, 12, -4}) {
        EXPECT_EQ(TwelveShiIndexFromDisplay(display), 0) << display;
    }
    EXPECT_EQ(TwelveShiDisplayFromIndex(1), 4);
    for (int index : {0, -1, 2}) {
        EXPECT_EQ(TwelveShiDisplayFromIndex(index), 3) << index;
    }
}

TEST(SettingsFieldMapping, FillAndCopyBackTouchOnlyTheDialogsMembers)
{
    ClockSettings settings;
    settings.chime = 7;  // hand-edited: opens as 半刻ごと
    settings.chimeCount = 5;
    settings.twelveShiDisplay = 4;
    settings.addText = 2;
    settings.indicator = 1;
    settings.city = "札幌";
    settings.latitudeDegrees = 43;
    settings.latitudeMinutes = 4;
    settings.longitudeDegrees = 141;
    settings.longitudeMinutes = 21;

    SettingsFields fields = SettingsFieldsFrom(settings);
    SettingsFields opened;
    opened.chimeIndex = 1;
    opened.chimeCountIndex = 5;
    opened.twelveShiIndex = 1;
    opened.addText = 2;
    opened.indicator = 1;
    opened.city = "札幌";
    opened.latitudeDegrees = 43;
    opened.latitudeMinutes = 4;
    opened.longitudeDegrees = 141;
    opened.longitudeMinutes = 21;
    opened.quiet = QuietHoursFieldsFrom(settings.quiet);  // none, as stored
    opened.twelveShiDisplay = 4;
    EXPECT_EQ(fields, opened);

    // As OK leaves them when no count button was clicked.
    fields.chimeCountIndex = -1;
    fields.twelveShiIndex = 0;
    fields.city = "那覇";
    fields.latitudeDegrees = 26;
    fields.addText = 0;
    fields.indicator = 0;
    fields.notify = 1;
    fields.startWithSession = 1;  // the session's, not the file's
    ClockSettings after = settings;
    after.timeDifference = 10;
    after.joya = 0;
    after.alarmEnable = 1;
    after.alarmHour = 6;
    after.iniPath = "/x/vellmor.ini";
    ClockSettings expected = after;
    expected.chime = 3;
    expected.chimeCount = -1;
    expected.twelveShiDisplay = 3;
    expected.city = "那覇";
    expected.latitudeDegrees = 26;
    expected.addText = 0;
    expected.indicator = 0;
    expected.notify = 1;
    CopySettingsFieldsBack(fields, after);
    EXPECT_EQ(after, expected);
}

TEST(AlarmFieldMapping, FillAndCopyBack)
{
    ClockSettings settings;
    settings.alarmEnable = 1;
    settings.alarmHour = 23;
    settings.alarmMinutes = 59;
    EXPECT_EQ(AlarmFieldsFrom(settings), (AlarmFields{1, 23, 59}));

    ClockSettings other;
    other.alarmEnable = 1;
    ClockSettings expected;
    expected.alarmEnable = 0;
    expected.alarmHour = 5;
    expected.alarmMinutes = 7;
    CopyAlarmFieldsBack(AlarmFields{0, 5, 7}, other);
    EXPECT_EQ(other, expected);
}

}  // namespace

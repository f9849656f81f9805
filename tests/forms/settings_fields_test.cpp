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
    settings.city = "札幌";
    settings.latitudeDegrees = 43;
    settings.latitudeMinutes = 4;
    settings.longitudeDegrees = 141;
    settings.longitudeMinutes = 21;

    SettingsFields fields = SettingsFieldsFrom(settings);
    EXPECT_EQ(fields.chimeIndex, 1);
    EXPECT_EQ(fields.chimeCountIndex, 5);
    EXPECT_EQ(fields.twelveShiIndex, 1);
    EXPECT_EQ(fields.addText, 2);
    EXPECT_EQ(fields.city, "札幌");
    EXPECT_EQ(fields.latitudeDegrees, 43);
    EXPECT_EQ(fields.latitudeMinutes, 4);
    EXPECT_EQ(fields.longitudeDegrees, 141);
    EXPECT_EQ(fields.longitudeMinutes, 21);

    // As OK leaves them when no count button was clicked.
    fields.chimeCountIndex = -1;
    fields.twelveShiIndex = 0;
    fields.city = "那覇";
    fields.latitudeDegrees = 26;
    fields.addText = 0;
    ClockSettings after = settings;
    after.timeDifference = 10;
    after.joya = 0;
    after.alarmEnable = 1;
    after.alarmHour = 6;
    CopySettingsFieldsBack(fields, after);
    EXPECT_EQ(after.chime, 3);
    EXPECT_EQ(after.chimeCount, -1);
    EXPECT_EQ(after.twelveShiDisplay, 3);
    EXPECT_EQ(after.city, "那覇");
    EXPECT_EQ(after.latitudeDegrees, 26);
    EXPECT_EQ(after.latitudeMinutes, 4);
    EXPECT_EQ(after.longitudeDegrees, 141);
    EXPECT_EQ(after.addText, 0);
    EXPECT_EQ(after.timeDifference, 10);
    EXPECT_EQ(after.joya, 0);
    EXPECT_EQ(after.alarmEnable, 1);
    EXPECT_EQ(after.alarmHour, 6);
}

TEST(AlarmFieldMapping, FillAndCopyBack)
{
    ClockSettings settings;
    settings.alarmEnable = 1;
    settings.alarmHour = 23;
    settings.alarmMinutes = 59;
    const AlarmFields fields = AlarmFieldsFrom(settings);
    EXPECT_EQ(fields.alarmEnable, 1);
    EXPECT_EQ(fields.alarmHour, 23);
    EXPECT_EQ(fields.alarmMinutes, 59);

    ClockSettings other;
    CopyAlarmFieldsBack(AlarmFields{0, 5, 7}, other);
    EXPECT_EQ(other.alarmEnable, 0);
    EXPECT_EQ(other.alarmHour, 5);
    EXPECT_EQ(other.alarmMinutes, 7);
    EXPECT_EQ(other.city, ClockSettings().city);
}

}  // namespace

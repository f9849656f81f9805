#pragma once

#include "QuietHoursFields.h"

#include <iosfwd>
#include <string>

struct ClockSettings;

// The values the settings dialog edits, as plain copies for one modal run.
// Radio groups hold the index of the checked button, -1 when none is.
struct SettingsFields {
    int longitudeDegrees = 0;   // edit 1013
    int longitudeMinutes = 0;   // edit 1014
    int chimeIndex = -1;        // 0 一刻ごと, 1 半刻ごと, 2 1 時間ごと, 3 30 分ごと
    int latitudeDegrees = 0;    // edit 1016
    int latitudeMinutes = 0;    // edit 1015
    std::string city;           // edit 1017, UTF-8; at most 20 bytes in Shift-JIS
    int twelveShiIndex = -1;    // 0 不定時法, 1 定時法
    int chimeCountIndex = -1;   // 0 silent, 1 one stroke, 2 the toki's count
    int addText = 0;            // check box 1024: 1 checked, 0 unchecked
    QuietHoursFields quiet;     // the chime's quiet hours, below the rest
    int indicator = 0;          // check box 1032 "パネルに表示"
    int notify = 0;             // check box 1033 "ときをお知らせ"
    // Check box 1034 "ログイン時に起動": whether the session starts the clock,
    // which the session keeps, not the settings file; the clock fills it in.
    int startWithSession = 0;
    int twelveShiDisplay = 3;   // the style of the toki names offered; not edited
};

bool operator==(const SettingsFields& a, const SettingsFields& b);
bool operator!=(const SettingsFields& a, const SettingsFields& b);
// How tests show the fields.
void PrintTo(const SettingsFields& fields, std::ostream* out);

// The interval button for a chime mask: 1 -> 0, 3 -> 1, 4 -> 2, 12 -> 3; any
// other mask opens as 1 (半刻ごと).
int ChimeIndexFromMask(int chime);
// The mask for an interval button; an index outside 0..3 keeps oldChime.
int ChimeMaskFromIndex(int index, int oldChime);
// 1 (定時法) for kFixedHourDisplay, otherwise 0.
int TwelveShiIndexFromDisplay(int twelveShiDisplay);
// kFixedHourDisplay for index 1, otherwise kTemporalHourDisplay.
int TwelveShiDisplayFromIndex(int index);

// What the clock puts into the dialog before it opens.
SettingsFields SettingsFieldsFrom(const ClockSettings& settings);
// What the clock takes back after OK. The time difference, the New Year's
// Eve mask and the alarm are not the dialog's and stay as they are.
void CopySettingsFieldsBack(const SettingsFields& fields, ClockSettings& settings);

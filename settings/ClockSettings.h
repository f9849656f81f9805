#pragma once

#include "AtomicFile.h"
#include "TokiAlarmSettings.h"

#include <iosfwd>
#include <string>
#include <vector>

// Values of twelveShiDisplay. It is also a mask of tick events: the temporal
// value redraws the branch sign at every toki boundary, the fixed-hour value
// at every clock hour (TICK_HOUR).
constexpr int kTemporalHourDisplay = 3;  // branch sign of the current toki
constexpr int kFixedHourDisplay = 4;     // branch sign of the clock hour; plain toki names

// The persisted configuration of the clock and the path of its INI file.
// Numbers are taken from the file as they are: no ranges are enforced here
// (the dialogs apply the only limits). The file is CP932 on disk; city is
// UTF-8 in memory.
struct ClockSettings {
    // Sections "Time System" and "Time Display".
    int chime = 3;              // mask of tick events on which the bell strikes
    int chimeCount = 2;         // 0 silent, 1 one stroke, 2 the toki's count
    int twelveShiDisplay = kTemporalHourDisplay;  // or kFixedHourDisplay
    int joya = 32;              // mask that starts the New Year's Eve bells; 0 off
    int addText = 0;            // 1 = the toki is also drawn as text
    int indicator = 0;          // 1 = the clock shows itself in the desktop's panel
    int notify = 0;             // 1 = a desktop notification at each toki that chimes
    // Section "Location": north latitude and east longitude.
    int latitudeDegrees = 35;
    int latitudeMinutes = 27;
    int longitudeDegrees = 139;
    int longitudeMinutes = 39;
    int timeDifference = 9;     // hours ahead of UT; read, never written
    std::string city = "横浜";  // at most kCityReadBytes in CP932 once read
    // Section "Alarm".
    int alarmEnable = 0;        // 1 = armed
    int alarmHour = 12;
    int alarmMinutes = 0;
    // "[Time System]" Quiet* keys, and the sections "[Toki Alarm N]" that are
    // there, in the order of N.
    QuietHours quiet;
    std::vector<TokiAlarm> tokiAlarms;

    std::string iniPath;        // full path of the file; set by Load

    // What the stored numbers mean where the clock decides. A flag counts as
    // on only when it is exactly 1; a mask is ANDed with the tick events.
    bool AlarmArmed() const { return alarmEnable == 1; }
    bool TokiTextShown() const { return addText == 1; }
    bool IndicatorShown() const { return indicator == 1; }
    bool TokiNotified() const { return notify == 1; }
    // The sign shows the clock hour, and the chart plain toki names.
    bool ShowsFixedHours() const { return twelveShiDisplay == kFixedHourDisplay; }
    // The tick events at which the bell chimes.
    int ChimeEvents() const { return chime; }
    // The tick events that redraw the twelve-branch sign.
    int SignRedrawEvents() const { return twelveShiDisplay; }
    // The tick events that start the New Year's Eve bells.
    int JoyaStartEvents() const { return joya; }

    // CP932 bytes of "City" that are kept when it is read; a double-byte
    // character that would straddle the limit is dropped whole.
    static constexpr std::size_t kCityReadBytes = 18;

    // Sets iniPath to the running program's file and reads it. Cannot fail: a
    // missing file or key yields that value's default.
    void Load();
    // As Load, from the file at path.
    void LoadFrom(const std::string& path);
    // Writes the fifteen stored values, the quiet hours and the toki alarms
    // to iniPath, each replaced in place; every other line of the file stays
    // as it was, but the sections of toki alarms that are no more. Fails,
    // with the system's reason, when the file could not be written; the old
    // file is then left whole. A file that is read-only for this user is
    // never replaced.
    WriteOutcome Save() const;

    // The values of an INI text; what it lacks takes the default.
    void Read(std::istream& in);
    // Copies the INI text from oldText to out with the values set.
    bool Write(std::istream& oldText, std::ostream& out) const;
};

// Every member alike, the path included.
bool operator==(const ClockSettings& a, const ClockSettings& b);
bool operator!=(const ClockSettings& a, const ClockSettings& b);
// "Chime=3, ..., City=横浜, ..., iniPath=...": how tests show a record.
void PrintTo(const ClockSettings& settings, std::ostream* out);

#pragma once

#include "AtomicFile.h"

#include <cstdint>
#include <string>

struct AlarmFields;
struct SettingsFields;
struct TokiAlarmListFields;
struct TokiChartData;

// What the clock's logic needs from the window system. The wx view implements
// it for real; tests implement it with fakes that record every call.
// Coordinates are pixels in the view's client area, origin top left.

// Timer ids and periods of the clock. The ids run from kBaseTimer without
// gaps; a new one goes before kTimerIdEnd, and tables by id have kTimerCount
// entries.
enum ClockTimer : int {
    kBaseTimer = 1,       // the tick, every 250 ms, for the window's life
    kAnimationTimer = 2,  // one bell animation step, every 200 ms
    kJoyaTimer = 3,       // one New Year's Eve strike, every 15000 ms
    kTimerIdEnd,          // one past the last id
};
constexpr int kTimerCount = kTimerIdEnd - kBaseTimer;
constexpr int kBaseTimerPeriodMs = 250;
constexpr int kAnimationTimerPeriodMs = 200;
constexpr int kJoyaTimerPeriodMs = 15000;

// The commands of the clock's menu, by their command ids. The first six are
// the clock's own; Exit, About and Help are the shell's. The desktop side
// gives each a toolkit id of its own (view/MenuCommands.h).
enum class ClockCommand : int {
    Alarm = 32771,      // "アラーム(&L)"
    Settings = 32773,   // "設定(&S)"
    Strike = 32774,     // "鐘をつく(&D)"
    StopJoya = 32776,   // kStopJoyaItemText
    TokiInfo = 32777,   // "ときの情報(&I)"
    TokiAlarms = 32778, // kTokiAlarmsItemText
    Exit = 57665,       // "終了(&X)"
    About = 57664,      // "ﾊﾞｰｼﾞｮﾝ情報(&A)..."
    Help = 57667,       // "ヘルプ(&H)"
};
// The text of ClockCommand::StopJoya, the item at the top of the first pop-up
// while a New Year's Eve sequence runs.
constexpr const char* kStopJoyaItemText = "除夜の鐘中止";
// The text of ClockCommand::TokiAlarms, under "アラーム(&L)".
constexpr const char* kTokiAlarmsItemText = "刻のアラーム(&T)";

// The four pictures. Strips hold equal frames side by side from x = 0.
enum class ClockPicture {
    Face,    // 180 x 264, the top 180 x 200 drawn
    Bell,    // 15 frames of 90 x 90
    Branch,  // 24 frames of 29 x 29
    Toki,    // 24 frames of 31 x 54
};

enum class ClockFont {
    Large,   // digital time: serif, 24 px, bold, italic
    Medium,  // alarm time: serif, 16 px, bold
    Small,   // countdown and toki label: Japanese gothic, 12 px, medium
};

struct Rgb {
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;
    bool operator==(const Rgb& o) const
    {
        return red == o.red && green == o.green && blue == o.blue;
    }
};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kOrange{255, 127, 0};        // countdown and toki label band
constexpr Rgb kAlarmYellow{217, 217, 25};  // alarm time background

enum class SoundMode {
    Yield,  // plays only when nothing else is playing; returns at once
    Loop,   // ends whatever plays, then loops until stopped; returns at once
};

enum class MessageIcon { None, Exclamation };

// How the box of a toki alarm was closed.
enum class AlarmBoxAnswer { Ok, Snooze };

// What the desktop's panel shows of the clock. Off: no item in the panel.
struct PanelStatus {
    bool shown = false;
    std::string text;  // title and label, UTF-8 (PanelStatusText.h)
    int toki = 0;      // the current toki, 0..23: its branch sign is the icon
    bool operator==(const PanelStatus& o) const
    {
        return shown == o.shown && toki == o.toki && text == o.text;
    }
};

class ClockPlatform {
public:
    virtual ~ClockPlatform() = default;

    // Starts (or restarts) timer id with the period; false when it cannot be set.
    virtual bool StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;

    // name is a bare file name such as "Gooohn.wav".
    virtual void PlaySound(const std::string& name, SoundMode mode) = 0;
    virtual void StopSound() = 0;

    // Modal message box with one OK button; returns when it is closed. Timers
    // keep firing meanwhile. An empty caption means the application title.
    virtual void ShowMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;
    // The box of a ringing toki alarm: exclamation icon, the buttons OK and a
    // snooze; returns when it is closed (a close request counts as OK).
    // Timers keep firing meanwhile.
    virtual AlarmBoxAnswer ShowAlarmBox(const std::string& text, const std::string& caption) = 0;
    // A desktop notification with a summary line and a body; returns at once.
    // Each replaces the clock's notification before it, if that still shows.
    // Where the desktop has no notification service nothing shows.
    virtual void ShowNotification(const std::string& summary, const std::string& body) = 0;

    // Puts the clock's item in the desktop's panel, brings it up to date, or
    // takes it away (status.shown false); returns at once.
    virtual void ShowPanelStatus(const PanelStatus& status) = 0;

    // Whether the user's session starts the clock at login.
    virtual bool StartsWithSession() const = 0;
    // Makes the session start the clock at login (started hidden), or not.
    // Fails with where that is kept and the system's reason, a line each.
    virtual WriteOutcome SetStartsWithSession(bool on) = 0;

    // The dialogs of the menu, run modally over the clock window; timers keep
    // firing meanwhile. The settings and alarm dialogs edit fields and return
    // true for OK (fields then hold what was confirmed), false for Cancel or
    // any other end (fields unchanged).
    virtual bool RunSettingsDialog(SettingsFields& fields) = 0;
    virtual bool RunAlarmDialog(AlarmFields& fields) = 0;
    virtual void RunTokiInfoDialog(const TokiChartData& chart) = 0;
    // The toki alarms' dialog edits the list; true for OK.
    virtual bool RunTokiAlarmDialog(TokiAlarmListFields& fields) = 0;

    // Edits the first pop-up of the main menu.
    virtual void InsertMenuCommand(int position, ClockCommand command, const std::string& text) = 0;
    virtual void InsertMenuSeparator(int position) = 0;
    virtual void RemoveMenuItemById(ClockCommand command) = 0;
    virtual void RemoveMenuItemAt(int position) = 0;

    // Copies the width x height block at (srcX, srcY) of a picture to (x, y).
    virtual void DrawPicture(ClockPicture picture, int srcX, int srcY, int width, int height,
                             int x, int y) = 0;
    // Draws UTF-8 text with its top left at (x, y), its cell filled with background.
    virtual void DrawText(const std::string& text, int x, int y, ClockFont font,
                          Rgb background) = 0;

    // Asks for a full repaint (background erased) soon, outside the caller.
    virtual void Invalidate() = 0;
    virtual bool IsShiftDown() const = 0;
};

#pragma once

#include "ClockPlatform.h"
#include "ClockSettings.h"
#include "TokiAlarmClock.h"
#include "TokiCalendar.h"
#include "TokiNames.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

// The text of the box shown when a confirmed change could not be saved to
// the settings file at path, for the system's reason.
std::string SaveFailureMessage(const std::string& path, const std::string& reason);
// The text of the box shown when the start with the session could not be
// switched, for the place it is kept and the system's reason.
std::string SessionStartFailureMessage(const std::string& placeAndReason);

// The clock view's decisions, free of any toolkit: the tick and its event
// dispatch, drawing of the face, pictures and texts, the bell's strike series,
// the New Year's Eve sequence, the alarm, and the exchanges with the dialogs
// of the menu. All calls arrive on one thread; message boxes and dialogs run
// through the platform may re-enter OnTimer while open.
class ClockController {
public:
    static constexpr int kAnimationSteps = 30;  // one strike cycle, 6 s
    static constexpr int kSoundStep = 8;         // the strike sounds 1.6 s in
    static constexpr int kJoyaStrikes = 108;

    explicit ClockController(ClockPlatform& host,
                             std::shared_ptr<const ClockSource> clock = SystemClock());

    // What the view calls.

    // Start-up with already loaded settings: hands the alarm time and place to
    // the time model, resets the bell and New Year's Eve state, starts the base
    // timer (reporting a failure and going on).
    void InitialUpdate(const ClockSettings& loaded);
    // Pixels of a line of the window's own font: y of the countdown line.
    // Set before the first paint.
    void SetLineHeight(int pixels) { lineHeight = pixels; }
    // A firing of timer id (kBaseTimer, kAnimationTimer or kJoyaTimer).
    void OnTimer(int id);
    // The clock's own commands (Strike, StopJoya, Settings, Alarm, TokiInfo
    // and TokiAlarms); returns false for the shell's.
    //
    // The dialog commands: the settings and alarm dialogs stop the bell and
    // edit copies of the settings; OK copies them back, hands them to the
    // time model and saves the settings file at once (the settings dialog's
    // OK then switches the start with the session when its box was changed);
    // the view is repainted after either answer. The alarm time goes to the
    // time model after Cancel too. The toki alarms' dialog leaves the bell
    // going; its OK takes the list, arms it and saves the settings file at
    // once. The information dialog leaves the bell going and shows today's
    // table, with plain toki names under the fixed-hour display.
    bool OnCommand(ClockCommand command);
    // Redraws everything the full paint shows. The time and the countdown are
    // not part of it: the next tick draws them again.
    void FullPaint();
    // A double click in the view: the bell stops.
    void OnDoubleClick() { StopBell(); }
    // Writes the settings to their file: the one way they reach it, at a
    // dialog's OK, at the window's close and at the end of the session.
    WriteOutcome SaveSettings() const { return settings.Save(); }

    // Read-only observers.

    // The settings as the clock holds them: what the view saves at close.
    const ClockSettings& Settings() const { return settings; }
    const TokiCalendar& Calendar() const { return calendar; }
    // Where the clock reads the time; the view keeps its tick in step with it.
    const ClockSource& Clock() const { return *clockSource; }
    int JoyaLeft() const { return joyaLeft; }
    int JoyaArmed() const { return joyaArmed; }
    int StrikesLeft() const { return bell.strikesLeft; }
    int AnimationStep() const { return bell.animationStep; }
    // Strikes of toki k by the table; 0 outside 0..23.
    int StrikeCount(TokiIndex k) const;
    int LineHeight() const { return lineHeight; }
    // The armed toki alarms and their next rings.
    const TokiAlarmClock& TokiAlarms() const { return tokiAlarmClock; }

private:
    // The clock reading a dispatch acts on, taken before the alarm's box can
    // hold the dispatch up for minutes: a chime that starts after OK still
    // counts for the minute and toki its events came with.
    struct ChimeMoment {
        int hour = 0;
        int minute = 0;
        TokiIndex toki = 0;
    };

    // The bell's strike series: it runs while the animation timer does.
    struct BellState {
        int strikesLeft = 0;    // strikes still to sound in this series
        int animationStep = 0;  // 0..kAnimationSteps - 1, selects the bell frame
    };

    // The tick and its dispatch.
    void Tick();
    void DispatchEvents(int events);
    ChimeMoment CurrentMoment() const;
    void RingAlarm();

    // The bell.
    void StartChime(const ChimeMoment& at);
    void StartStrikes();
    void StepAnimation();
    void StopBell();
    void StrikeNow();

    // New Year's Eve.
    void StartJoya();
    void JoyaStrike();
    void StopJoya();

    // Drawing.
    void DrawFace();
    void DrawBell();
    void DrawBranch();
    // The toki picture, and the text line with it when that is on.
    void DrawToki();
    void DrawTokiPicture();
    void DrawTokiText();
    // Draw the time and the countdown when they differ from what is on the
    // window (or a full paint has wiped them).
    void DrawTime();
    void DrawCountdown();

    // The dialog commands.
    void RunSettingsExchange();
    void RunAlarmExchange();
    void RunTokiInfo();
    // The toki alarms' dialog: OK takes the list, arms it and saves the
    // settings file at once. The bell goes on.
    void RunTokiAlarmExchange();
    // Writes the settings file after a dialog's OK; a failure is shown in a
    // message box that names the file and the system's reason.
    void SaveConfirmedSettings();

    // The panel's item: its text and sign for the current toki, or its
    // removal when the indicator is off. What the panel shows already is not
    // sent again.
    void ShowPanelStatus();

    // The place of the settings goes to the time model.
    void ApplyLocation();
    // The alarm time of the settings goes to the time model.
    void ApplyAlarmTime();
    // The toki alarms of the settings, at the place of the settings, are
    // armed from the next minute the clock has not checked.
    void ArmTokiAlarms();
    // After each tick: rings the toki alarms due in a new minute.
    void CheckTokiAlarms();
    void RingTokiAlarm(const TokiAlarmClock::Ring& ring);
    // A desktop notification at the toki that has just begun, when the
    // events chime a toki outside the quiet hours and notifications are on.
    void NotifyToki(int events, const ChimeMoment& at);

    // The minute the time model reads, as an instant of TokiAlarmTime.h.
    long long ClockMinute() const;

    ClockPlatform& platform;
    std::shared_ptr<const ClockSource> clockSource;  // the calendar's too
    ClockSettings settings;
    TokiCalendar calendar;
    TokiAlarmClock tokiAlarmClock;
    int lineHeight = 0;      // pixels; y of the countdown line
    int joyaLeft = 0;        // New Year's Eve strikes to come; non-zero while running
    int joyaArmed = 1;       // whether TICK_JOYA may start the sequence
    int tokiRefreshMask = 3; // events at which the toki picture is redrawn
    BellState bell;
    std::array<int, kTokiCount> strikeCounts{};  // strikes per toki
    int joyaMenuItems = 0;   // stop items (each with its separator) in the menu
    std::optional<PanelStatus> panelShown;  // what the panel was last sent

    // What the tick last drew, so that an unchanged text is not drawn again.
    std::string drawnTime;   // empty: nothing on the window
    int drawnCountdown = 0;  // 0: no countdown on the window
};

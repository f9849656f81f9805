#pragma once

#include "AlarmFields.h"
#include "ClockPlatform.h"
#include "SettingsFields.h"
#include "TokiAlarmFields.h"
#include "TokiChartData.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// A platform that records every call, keeps simulated time in milliseconds,
// models the running timers and the top of the first pop-up menu.
class FakeClockPlatform : public ClockPlatform {
public:
    struct Timer {
        int periodMs = 0;
        long long dueMs = 0;  // next firing
    };
    struct Sound {
        long long atMs;
        std::string name;
        SoundMode mode;
    };
    struct Message {
        long long atMs;
        std::string text, caption;
        MessageIcon icon;
    };
    struct Notification {
        long long atMs;
        std::string summary, body;
    };
    struct PanelUpdate {
        long long atMs;
        PanelStatus status;
    };
    struct Picture {
        long long atMs;
        ClockPicture picture;
        int srcX, srcY, width, height, x, y;
    };
    struct Text {
        long long atMs;
        std::string text;
        int x, y;
        ClockFont font;
        Rgb background;
    };
    struct TimerCall {
        long long atMs;
        int id;
        int periodMs;  // 0 for a stop
    };

    bool StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void PlaySound(const std::string& name, SoundMode mode) override;
    void StopSound() override;
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    AlarmBoxAnswer ShowAlarmBox(const std::string& text, const std::string& caption) override;
    void ShowNotification(const std::string& summary, const std::string& body) override;
    void ShowPanelStatus(const PanelStatus& status) override;
    bool StartsWithSession() const override { return startsWithSession; }
    WriteOutcome SetStartsWithSession(bool on) override;
    bool RunSettingsDialog(SettingsFields& fields) override;
    bool RunAlarmDialog(AlarmFields& fields) override;
    void RunTokiInfoDialog(const TokiChartData& chart) override;
    bool RunTokiAlarmDialog(TokiAlarmListFields& fields) override;
    void InsertMenuCommand(int position, ClockCommand command, const std::string& text) override;
    void InsertMenuSeparator(int position) override;
    void RemoveMenuItemById(ClockCommand command) override;
    void RemoveMenuItemAt(int position) override;
    void DrawPicture(ClockPicture picture, int srcX, int srcY, int width, int height, int x,
                     int y) override;
    void DrawText(const std::string& text, int x, int y, ClockFont font, Rgb background) override;
    void Invalidate() override;
    bool IsShiftDown() const override { return shiftDown; }

    // The running timer due first (lowest id on a tie), if any.
    std::optional<int> NextTimer() const;
    bool IsRunning(int id) const { return timers.count(id) != 0; }

    // Filters of the records.
    std::vector<long long> SoundTimes(const std::string& name) const;
    std::vector<Picture> PicturesOf(ClockPicture picture) const;
    std::vector<Text> TextsAt(int x, int y) const;
    std::vector<TimerCall> StartsOf(int id) const;
    std::vector<TimerCall> StopsOf(int id) const;
    // The calls in order, leaving out those that start with prefix.
    std::vector<std::string> CallsExcept(const std::string& prefix) const;
    void ClearRecords();

    // Inputs.
    long long nowMs = 0;
    bool shiftDown = false;
    std::set<int> failingTimers;                    // StartTimer of these fails
    std::function<void(const Message&)> onMessage;  // runs while the box is "open"
    // The user at a toki alarm's box (recorded as a message): runs while it
    // is "open" and answers; unset: OK.
    std::function<AlarmBoxAnswer(const Message&)> onAlarmBox;
    // The user in the settings and alarm dialogs: edits the fields and
    // answers OK (true) or Cancel (false). Unset: Cancel.
    std::function<bool(SettingsFields&)> onSettingsDialog;
    std::function<bool(AlarmFields&)> onAlarmDialog;
    std::function<void(const TokiChartData&)> onTokiInfoDialog;
    std::function<bool(TokiAlarmListFields&)> onTokiAlarmDialog;
    // Whether the session starts the clock; SetStartsWithSession fails with
    // this reason when it is not empty.
    bool startsWithSession = false;
    std::string sessionStartFailure;

    // State and records.
    std::map<int, Timer> timers;
    // The first pop-up, top first: "-" for a separator, else "<id> <text>".
    std::vector<std::string> menu{"32774 鐘をつく(&D)", "32773 設定(&S)"};
    bool repaintPending = false;
    std::vector<std::string> calls;  // one line per call, in order
    std::vector<Sound> sounds;
    std::vector<long long> soundStops;
    std::vector<Message> messages;
    std::vector<Message> alarmBoxes;
    std::vector<Notification> notifications;
    // Every status pushed to the panel; not among `calls`.
    std::vector<PanelUpdate> panelUpdates;
    std::vector<Picture> pictures;
    std::vector<Text> texts;
    std::vector<TimerCall> timerStarts, timerStops;
    std::vector<long long> invalidations;
    std::vector<TokiChartData> charts;  // every information dialog shown
};

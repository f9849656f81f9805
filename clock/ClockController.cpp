#include "ClockController.h"

#include "ChimeRules.h"
#include "PanelStatusText.h"
#include "QuietChime.h"
#include "TokiNotice.h"

#include <utility>

namespace {

const char* const kBaseTimerFailure = "基本タイマー初期設定不能";
const char* const kAlarmSound = "pipi.wav";
const char* const kAlarmText = "OK ボタンをクリックしてアラームを止めてください。";
const char* const kAlarmCaption = "アラーム時刻です";

}  // namespace

ClockController::ClockController(ClockPlatform& host, std::shared_ptr<const ClockSource> clock)
    : platform(host), clockSource(clock), calendar(std::move(clock))
{
}

void ClockController::InitialUpdate(const ClockSettings& loaded)
{
    settings = loaded;
    calendar.SetAlarmTime(settings.alarmHour, settings.alarmMinutes);
    ApplyLocation();
    tokiAlarmClock.Start(ClockMinute(), calendar.GetSecond() == 0);
    ArmTokiAlarms();
    tokiRefreshMask = TICK_HALF_TOKI | TICK_FULL_TOKI;
    joyaLeft = 0;
    joyaArmed = 1;
    bell.animationStep = 0;
    strikeCounts = MakeStrikeCounts();
    if (!platform.StartTimer(kBaseTimer, kBaseTimerPeriodMs)) {
        // The clock then shows its start-up state and never advances.
        platform.ShowMessage(kBaseTimerFailure, "", MessageIcon::None);
    }
    panelShown.reset();
    ShowPanelStatus();
}

void ClockController::OnTimer(int id)
{
    switch (id) {
    case kBaseTimer:
        Tick();
        break;
    case kAnimationTimer:
        StepAnimation();
        break;
    case kJoyaTimer:
        JoyaStrike();
        break;
    default:
        break;
    }
}

bool ClockController::OnCommand(ClockCommand command)
{
    switch (command) {
    case ClockCommand::Strike:
        StrikeNow();
        return true;
    case ClockCommand::StopJoya:
        StopJoya();
        return true;
    case ClockCommand::Settings:
        RunSettingsExchange();
        return true;
    case ClockCommand::Alarm:
        RunAlarmExchange();
        return true;
    case ClockCommand::TokiInfo:
        RunTokiInfo();
        return true;
    case ClockCommand::TokiAlarms:
        RunTokiAlarmExchange();
        return true;
    case ClockCommand::Exit:
    case ClockCommand::About:
    case ClockCommand::Help:
        break;
    }
    return false;
}

void ClockController::Tick()
{
    const int events = calendar.Tick();
    if (calendar.Relocated()) {
        // The clock jumped (sleep, a clock set by hand): the toki was found
        // afresh, with no event to redraw its pictures.
        DrawBranch();
        DrawToki();
        ShowPanelStatus();
    }
    if (events != 0) {
        DispatchEvents(events);
    }
    // After the chime: a bell alarm of the same minute takes the bell over.
    CheckTokiAlarms();
    DrawTime();
    if (joyaLeft != 0) {
        DrawCountdown();
    }
}

void ClockController::DispatchEvents(int events)
{
    const ChimeMoment moment = CurrentMoment();
    NotifyToki(events, moment);  // at once: the alarm's box below may wait for minutes

    // The alarm's box waits for OK; timers (and nested dispatches) go on meanwhile.
    if (settings.AlarmArmed() && (events & TICK_ALARM) != 0) {
        RingAlarm();
    }
    if ((events & settings.SignRedrawEvents()) != 0) {
        DrawBranch();
    }
    if ((events & tokiRefreshMask) != 0) {
        DrawToki();
    }
    if ((events & (TICK_HALF_TOKI | TICK_FULL_TOKI)) != 0) {
        ShowPanelStatus();
    }
    if ((events & settings.JoyaStartEvents()) != 0) {
        if (joyaArmed == 0) {
            return;  // New Year's Eve after the sequence has run: no chime either
        }
        StartJoya();
    }
    if ((events & settings.ChimeEvents()) != 0 && joyaLeft == 0) {
        StartChime(moment);
    }
}

void ClockController::NotifyToki(int events, const ChimeMoment& at)
{
    // The toki chimes of the schedule, whatever the bell's count; the quiet
    // hours that silence them silence their notification too.
    constexpr int kTokiEvents = TICK_HALF_TOKI | TICK_FULL_TOKI;
    if (!settings.TokiNotified() || (events & settings.ChimeEvents() & kTokiEvents) == 0 ||
        IsQuietChime(settings.quiet, at.hour, at.minute, at.toki)) {
        return;
    }
    const TokiNotice notice =
        MakeTokiNotice(at.toki, at.hour * 60 + at.minute, calendar.GetNextBoundary(),
                       calendar.GetNextBoundaryHour() * 60 + calendar.GetNextBoundaryMinute());
    platform.ShowNotification(notice.summary, notice.body);
}

ClockController::ChimeMoment ClockController::CurrentMoment() const
{
    return ChimeMoment{calendar.GetHour(), calendar.GetMinute(), calendar.GetCurrentToki()};
}

void ClockController::RingAlarm()
{
    platform.PlaySound(kAlarmSound, SoundMode::Loop);
    platform.ShowMessage(kAlarmText, kAlarmCaption, MessageIcon::Exclamation);
    platform.StopSound();
}

void ClockController::ShowPanelStatus()
{
    // The text is made on the heap only with the indicator on: a clock
    // without it never touches the heap as it ticks.
    PanelStatus status;
    status.shown = settings.IndicatorShown();
    if (status.shown) {
        status.toki = calendar.GetCurrentToki();
        status.text = PanelStatusText(
            status.toki, calendar.GetNextBoundary(),
            calendar.GetNextBoundaryHour() * 60 + calendar.GetNextBoundaryMinute(),
            settings.ShowsFixedHours());
    }
    if (panelShown == status) {
        return;
    }
    panelShown = status;
    platform.ShowPanelStatus(status);
}

void ClockController::ApplyLocation()
{
    calendar.SetLocation(settings.latitudeDegrees, settings.latitudeMinutes,
                         settings.longitudeDegrees, settings.longitudeMinutes,
                         settings.timeDifference);
}

void ClockController::ApplyAlarmTime()
{
    calendar.SetAlarmTime(settings.alarmHour, settings.alarmMinutes);
}

int ClockController::StrikeCount(TokiIndex k) const
{
    if (k < 0 || k >= kTokiCount) {
        return 0;
    }
    return strikeCounts[static_cast<std::size_t>(k)];
}

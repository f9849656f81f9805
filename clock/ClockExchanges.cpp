// The menu's dialog commands: each dialog edits copies of the settings that
// the platform shows; only OK brings them back.
#include "ClockController.h"

#include "AlarmFields.h"
#include "SettingsFields.h"
#include "TokiChartData.h"

std::string SaveFailureMessage(const std::string& path, const std::string& reason)
{
    return "設定をファイルに保存できませんでした。\n\n" + path + "\n" + reason +
           "\n\n変更は Vellmor を終了するまで有効です。終了するときにもう一度保存します。";
}

void ClockController::SaveConfirmedSettings()
{
    // A confirmed change is on disk at once: a crash, a kill or a power cut
    // before the clock closes does not lose it. When it cannot be, the user
    // hears of it; the change stays in effect for this run either way.
    const WriteOutcome saved = SaveSettings();
    if (!saved) {
        platform.ShowMessage(SaveFailureMessage(settings.iniPath, saved.reason), "",
                              MessageIcon::Exclamation);
    }
}

std::string SessionStartFailureMessage(const std::string& placeAndReason)
{
    return "ログイン時の起動を設定できませんでした。\n\n" + placeAndReason;
}

void ClockController::RunSettingsExchange()
{
    StopBell();
    SettingsFields fields = SettingsFieldsFrom(settings);
    // The session, not the settings file, knows whether it starts the clock.
    const int startedWithSession = platform.StartsWithSession() ? 1 : 0;
    fields.startWithSession = startedWithSession;
    if (platform.RunSettingsDialog(fields)) {
        CopySettingsFieldsBack(fields, settings);
        ApplyLocation();
        ArmTokiAlarms();  // a new place moves the toki
        SaveConfirmedSettings();
        if (fields.startWithSession != startedWithSession) {
            const WriteOutcome set = platform.SetStartsWithSession(fields.startWithSession == 1);
            if (!set) {
                platform.ShowMessage(SessionStartFailureMessage(set.reason), "",
                                     MessageIcon::Exclamation);
            }
        }
        ShowPanelStatus();  // on, off, or the names in the other style
    }
    platform.Invalidate();
}

void ClockController::RunAlarmExchange()
{
    StopBell();
    AlarmFields fields = AlarmFieldsFrom(settings);
    if (platform.RunAlarmDialog(fields)) {
        CopyAlarmFieldsBack(fields, settings);
        SaveConfirmedSettings();
    }
    // Cancel too: the time model is given the (unchanged) alarm time again.
    ApplyAlarmTime();
    platform.Invalidate();
}

void ClockController::RunTokiInfo()
{
    // The bell goes on striking behind the chart.
    const char* const* names = settings.ShowsFixedHours() ? kPlainNames : kBranchNames;
    platform.RunTokiInfoDialog(MakeTokiChartData(calendar, settings, names));
}

// The menu's dialog commands: each dialog edits copies of the settings that
// the platform shows; only OK brings them back.
#include "ClockController.h"

#include "AlarmFields.h"
#include "SettingsFields.h"
#include "TokiChartData.h"

void ClockController::RunSettingsExchange()
{
    StopBell();
    SettingsFields fields = SettingsFieldsFrom(settings);
    if (platform_.RunSettingsDialog(fields)) {
        CopySettingsFieldsBack(fields, settings);
        ApplyLocation();
        ArmTokiAlarms();  // a new place moves the toki
        // A confirmed change is on disk at once: a crash, a kill or a power
        // cut before the clock closes does not lose it.
        settings.Save();
    }
    platform_.Invalidate();
}

void ClockController::RunAlarmExchange()
{
    StopBell();
    AlarmFields fields = AlarmFieldsFrom(settings);
    if (platform_.RunAlarmDialog(fields)) {
        CopyAlarmFieldsBack(fields, settings);
        settings.Save();  // on disk at once, as after the settings dialog
    }
    // Cancel too: the time model is given the (unchanged) alarm time again.
    ApplyAlarmTime();
    platform_.Invalidate();
}

void ClockController::RunTokiInfo()
{
    // The bell goes on striking behind the chart.
    if (settings.twelveShiDisplay == kFixedHourDisplay) {
        calendar.LoadPlainNames();
    } else {
        calendar.LoadBranchNames();
    }
    platform_.RunTokiInfoDialog(MakeTokiChartData(calendar, settings));
}

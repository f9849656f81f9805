#include "ClockController.h"

#include "AllocationCounter.h"

#include <gtest/gtest.h>

#include <memory>


namespace {

// Accepts everything and keeps nothing, so that only the controller's own
// allocations are counted.
class SilentPlatform : public ClockPlatform {
public:
    bool StartTimer(int, int) override { return true; }
    void StopTimer(int) override {}
    void PlaySound(const std::string&, SoundMode) override { ++sounds; }
    void StopSound() override {}
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    AlarmBoxAnswer ShowAlarmBox(const std::string&, const std::string&) override
    {
        return AlarmBoxAnswer::Ok;
    }
    void ShowNotification(const std::string&, const std::string&) override {}
    void ShowPanelStatus(const PanelStatus&) override {}
    bool StartsWithSession() const override { return false; }
    WriteOutcome SetStartsWithSession(bool) override { return WriteOutcome::Success(); }
    bool RunSettingsDialog(SettingsFields&) override { return false; }
    bool RunAlarmDialog(AlarmFields&) override { return false; }
    void RunTokiInfoDialog(const TokiChartData&) override {}
    bool RunTokiAlarmDialog(TokiAlarmListFields&) override { return false; }
    void InsertMenuCommand(int, ClockCommand, const std::string&) override {}
    void InsertMenuSeparator(int) override {}
    void RemoveMenuItemById(ClockCommand) override {}
    void RemoveMenuItemAt(int) override {}
    void DrawPicture(ClockPicture, int, int, int, int, int, int) override {}
    void DrawText(const std::string&, int, int, ClockFont, Rgb) override { ++texts; }
    void Invalidate() override {}
    bool IsShiftDown() const override { return false; }

    int sounds = 0;
    int texts = 0;
};

// Two hours of ticks (four a second) with boundaries, hourly and half-hourly
// chimes and their strike series: the steady running never touches the heap.
TEST(ClockTickAllocation, TicksChimesAndStrikesAllocateNothing)
{
    auto clock = std::make_shared<ManualClockSource>(LocalTime{2006, 1, 1, 6, 0, 0});
    SilentPlatform platform;
    ClockController controller(platform, clock);
    ClockSettings settings;
    settings.chime = TICK_HALF_TOKI | TICK_FULL_TOKI | TICK_HOUR | TICK_HALF_HOUR;
    // Armed toki alarms are checked every minute; quiet hours at every chime.
    settings.tokiAlarms.resize(2);
    settings.tokiAlarms[1].number = 2;
    settings.tokiAlarms[1].toki = 12;
    settings.quiet.fromTime = "22:00";
    settings.quiet.toTime = "05:00";
    controller.InitialUpdate(settings);
    controller.FullPaint();

    const long before = AllocationCount();
    for (int ms = 0; ms < 2 * 3600 * 1000; ms += 50) {
        const int s = ms / 1000;
        clock->Set(LocalTime{2006, 1, 1, 6 + s / 3600, s / 60 % 60, s % 60});
        if (ms % 250 == 0) {
            controller.OnTimer(kBaseTimer);
        }
        if (ms % 200 == 0 && controller.StrikesLeft() + controller.AnimationStep() > 0) {
            controller.OnTimer(kAnimationTimer);
        }
    }
    EXPECT_EQ(AllocationCount() - before, 0);
    EXPECT_EQ(platform.texts, 2 * 3600);  // the time, once a second
    // 06:00 (6), 06:15 (6), 06:30 (1), 07:00 (7), 07:10 (1), 07:30 (1)
    EXPECT_EQ(platform.sounds, 22);
}

}  // namespace

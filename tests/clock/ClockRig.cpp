#include "ClockRig.h"

#include "EpochTime.h"

#include <algorithm>

LocalTime ClockRig::Offset(const LocalTime& t, long long seconds)
{
    return LocalTimeAtEpoch(EpochOf(t) + static_cast<std::time_t>(seconds));
}

void ClockRig::Start(const LocalTime& start)
{
    startEpoch = EpochOf(start);
    platform.nowMs = 0;
    clock->Set(start);
    controller.SetLineHeight(kLineHeight);
    controller.InitialUpdate(settings);
    controller.FullPaint();  // the window's first paint
}

void ClockRig::RunUntilMs(long long targetMs)
{
    for (;;) {
        const auto id = platform.NextTimer();
        if (!id) {
            break;
        }
        auto& timer = platform.timers[*id];
        if (timer.dueMs > targetMs) {
            break;
        }
        platform.nowMs = std::max(platform.nowMs, timer.dueMs);
        timer.dueMs += timer.periodMs;  // before the call: it may stop, restart or nest
        clock->Set(WallClockAt(platform.nowMs));
        controller.OnTimer(*id);
        RepaintIfPending();
    }
    if (platform.nowMs < targetMs) {
        platform.nowMs = targetMs;
        clock->Set(WallClockAt(targetMs));
    }
}

void ClockRig::Command(ClockCommand command)
{
    controller.OnCommand(command);
    RepaintIfPending();
}

void ClockRig::DoubleClick()
{
    controller.OnDoubleClick();
    RepaintIfPending();
}

std::vector<long long> ClockRig::StrikesBetween(long long fromMs, long long toMs) const
{
    std::vector<long long> times;
    for (const long long t : platform.SoundTimes("Gooohn.wav")) {
        if (t >= fromMs && t <= toMs) {
            times.push_back(t);
        }
    }
    return times;
}

long long ClockRig::MsOf(const LocalTime& t) const
{
    return static_cast<long long>(EpochOf(t) - startEpoch) * 1000;
}

LocalTime ClockRig::WallClockAt(long long ms) const
{
    return LocalTimeAtEpoch(startEpoch + static_cast<std::time_t>(ms / 1000));
}

void ClockRig::RepaintIfPending()
{
    if (platform.repaintPending) {
        platform.repaintPending = false;
        controller.FullPaint();
    }
}

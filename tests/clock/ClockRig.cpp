#include "ClockRig.h"

#include "UtcSeconds.h"

#include <algorithm>

namespace {

// Wall-clock instants are handled as UTC so that no time zone shifts them.
std::time_t EpochOf(const LocalTime& t)
{
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    return UtcSeconds(tm);
}

LocalTime FromEpoch(std::time_t t)
{
    std::tm tm{};
    gmtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

}  // namespace

LocalTime ClockRig::Offset(const LocalTime& t, long long seconds)
{
    return FromEpoch(EpochOf(t) + static_cast<std::time_t>(seconds));
}

void ClockRig::Start(const LocalTime& start)
{
    startEpoch_ = EpochOf(start);
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

void ClockRig::Command(int commandId)
{
    controller.OnCommand(commandId);
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
    return static_cast<long long>(EpochOf(t) - startEpoch_) * 1000;
}

LocalTime ClockRig::WallClockAt(long long ms) const
{
    return FromEpoch(startEpoch_ + static_cast<std::time_t>(ms / 1000));
}

void ClockRig::RepaintIfPending()
{
    if (platform.repaintPending) {
        platform.repaintPending = false;
        controller.FullPaint();
    }
}

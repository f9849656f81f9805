#pragma once

#include "ClockSource.h"
#include "TokiCalendar.h"

#include <gtest/gtest.h>

#include <memory>

// A time model reading a clock the test sets by hand.
class CalendarFixture : public ::testing::Test {
protected:
    std::shared_ptr<ManualClockSource> clock = std::make_shared<ManualClockSource>();
    TokiCalendar calendar{clock};

    void SetClock(int y, int mo, int d, int h, int mi, int s)
    {
        clock->Set(LocalTime{y, mo, d, h, mi, s});
    }

    // Sets the clock and locates the place afresh, as the view does at start.
    void LocateAt(int y, int mo, int d, int h, int mi, int latD = 35, int latM = 27,
                  int lonD = 139, int lonM = 39, int tz = 9)
    {
        SetClock(y, mo, d, h, mi, 30);
        calendar.SetLocation(latD, latM, lonD, lonM, tz);
    }

    // Runs the clock on to the given instant as a clock that keeps running
    // does: second 0 of every minute after the clock's last reading is ticked
    // on the way, then the instant itself. Returns the events of that tick.
    int TickAt(int y, int mo, int d, int h, int mi, int s)
    {
        const long long target = LocalSecondCount(LocalTime{y, mo, d, h, mi, s});
        const long long from = LocalSecondCount(clock->Now());
        for (long long minute = from / 60 + 1; minute * 60 < target; ++minute) {
            clock->Set(LocalTimeOfSecondCount(minute * 60));
            calendar.Tick();
        }
        SetClock(y, mo, d, h, mi, s);
        return calendar.Tick();
    }

    // The clock moved to the instant at once, as a machine that slept or a
    // clock set by hand finds it; returns the events of the first tick there.
    int JumpTo(int y, int mo, int d, int h, int mi, int s)
    {
        SetClock(y, mo, d, h, mi, s);
        return calendar.Tick();
    }
};

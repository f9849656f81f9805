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

    // A tick at the given instant that is sure to do work: Tick ignores a
    // second equal to the last one it saw, so a neutral second of the same
    // minute is ticked first (it raises nothing, being not second 0).
    int TickAt(int y, int mo, int d, int h, int mi, int s)
    {
        SetClock(y, mo, d, h, mi, s == 30 ? 29 : 30);
        calendar.Tick();
        SetClock(y, mo, d, h, mi, s);
        return calendar.Tick();
    }
};

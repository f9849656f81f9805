#pragma once

#include "ClockSource.h"
#include "SolarDay.h"
#include "TokiTable.h"

#include <array>
#include <memory>
#include <string>

// Interval k of the temporal day begins at boundary k; even k is a full toki,
// odd k the half toki after it. 0 = 暁九つ, 6 = 明六つ, 12 = 昼九つ, 18 = 暮六つ.
using TokiIndex = int;

// Event bits returned by TokiCalendar::Tick, only at second 0 of a minute.
enum TickEvent : int {
    TICK_HALF_TOKI = 0x01,  // a boundary is reached after an even toki
    TICK_FULL_TOKI = 0x02,  // a boundary is reached after an odd toki
    TICK_HOUR = 0x04,       // clock minute 0
    TICK_HALF_HOUR = 0x08,  // clock minute 30
    TICK_ALARM = 0x10,      // clock hour:minute equals the alarm time (on or not)
    TICK_JOYA = 0x20,       // 31 December, toki 0 current, clock hour 23
};

// The traditional time model for one place, as it ticks: the table of the
// clock's date (computed by the pure functions of TokiTable.h), the current
// toki, and the once-a-minute clock events.
//
// All times are whole minutes of local clock time counted from 00:00 of the
// table's date. They may be negative (before that midnight) or 1440 and more.
class TokiCalendar {
public:
    static constexpr int kBoundaryCount = kTokiBoundaryCount;
    static constexpr int kNoBoundary = 9999;  // value of a cleared entry

    explicit TokiCalendar(std::shared_ptr<const ClockSource> clock = SystemClock());
    virtual ~TokiCalendar() = default;

    // Stores the place, reads the clock, rebuilds today's table and locates the
    // current toki. Degrees and minutes as entered: north and east positive,
    // minutes added with the sign the degrees carry. timeDiffHours: hours the
    // local clock is ahead of Universal Time.
    void SetLocation(int latDegrees, int latMinutes, int lonDegrees, int lonMinutes,
                     int timeDiffHours);
    // Rebuilds the table for a new date and locates the current toki afresh.
    void SetDate(int year, int month, int day);
    // The time Tick compares against; nothing is recomputed.
    void SetAlarmTime(int hour, int minute);

    // Reads the clock. Does work only once per new second. At the first tick
    // of each minute returns the TickEvent bits raised, otherwise 0 (with a
    // clock that runs on, that tick is second 0; after a stall over second 0
    // it is the first second read in the minute). When the minute is not the
    // one after the last (the machine slept, the clock was set forward or
    // back), the toki is located afresh as at a start, and no event is raised
    // for what the jump passed over, only TICK_JOYA while it holds. No minute
    // raises its events twice in a row. Never allocates.
    int Tick();
    // Whether the last tick that did work located the toki afresh after a
    // jump of the clock, so the pictures of the toki must be drawn again.
    bool Relocated() const { return relocated; }

    // Entry i of the table; kNoBoundary for an index outside 0..24.
    int GetBoundary(int i) const;
    int GetSunrise() const { return sunriseMinute; }
    int GetSunset() const { return sunsetMinute; }
    TokiIndex GetCurrentToki() const { return currentToki; }
    int GetNextBoundary() const { return nextBoundary; }
    int GetNextBoundaryHour() const { return nextBoundaryHour; }
    int GetNextBoundaryMinute() const { return nextBoundaryMinute; }
    int GetYear() const { return clockYear; }
    int GetMonth() const { return clockMonth; }
    int GetDay() const { return clockDay; }
    int GetHour() const { return clockHour; }
    int GetMinute() const { return clockMinute; }
    int GetSecond() const { return clockSecond; }
    std::string GetTimeText() const { return timeText; }
    double GetNoonJD() const { return noonJD; }

private:
    void ReadClock();
    void ComputeTable();
    void LocateToki(int offsetMinutes);
    void UpdateNextBoundaryClock();
    // TICK_JOYA when New Year's Eve holds for the current reading and toki.
    int JoyaBit() const;

    std::shared_ptr<const ClockSource> clockSource;

    SolarPlace place;
    double noonJD = 0.0;  // Julian date of 12:00 local clock time of the table's date

    int alarmAtHour = 0;
    int alarmAtMinute = 0;
    TokiBoundaries boundaries{};
    int nextBoundary = 0;  // 0..23; 0 also stands for entry 24 (same clock time)
    TokiIndex currentToki = 0;
    int nextBoundaryHour = 0;
    int nextBoundaryMinute = 0;
    int sunriseMinute = 0;
    int sunsetMinute = 0;
    int clockYear = 0;
    int clockMonth = 0;
    int clockDay = 0;
    int clockHour = 0;
    int clockMinute = 0;
    int clockSecond = 0;
    std::string timeText;
    // Whole instants, in LocalSecondCount's seconds and minutes.
    static constexpr long long kNever = -(1LL << 62);
    long long lastSecond = kNever;      // the previous tick that did work
    long long locatedMinute = kNever;   // minute the current toki was last checked for
    long long raisedMinute = kNever;    // minute whose events were last raised
    bool relocated = false;
};

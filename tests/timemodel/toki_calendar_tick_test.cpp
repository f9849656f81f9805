#include "CalendarFixture.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Yokohama, 2006-01-01: entry 0 = -15 (23:45 the day before), entry 1 = 50,
// dawn 375 (06:15), entry 7 = 430, entry 24 = 1425 (23:45).

struct LocateCase {
    int hour, minute;
    TokiIndex current;
    int next;
    int nextHour, nextMinute;
};

TEST_F(CalendarFixture, LocatingAfreshLooksOneMinuteAhead)
{
    const LocateCase cases[] = {
        {6, 13, 5, 6, 6, 15},   // two minutes before dawn: still 暁七つ半
        {6, 14, 6, 7, 7, 10},   // the minute before dawn already reports 明六つ
        {6, 15, 6, 7, 7, 10},
        {0, 0, 0, 1, 0, 50},    // after temporal midnight
        {23, 43, 23, 0, 23, 45},
        {23, 44, 0, 1, 0, 50},  // the minute before entry 24: already 暁九つ
        {23, 59, 0, 1, 0, 50},
    };
    for (const auto& c : cases) {
        LocateAt(2006, 1, 1, c.hour, c.minute);
        EXPECT_EQ(calendar.GetCurrentToki(), c.current) << c.hour << ":" << c.minute;
        EXPECT_EQ(calendar.GetNextBoundary(), c.next) << c.hour << ":" << c.minute;
        EXPECT_EQ(calendar.GetNextBoundaryHour(), c.nextHour) << c.hour << ":" << c.minute;
        EXPECT_EQ(calendar.GetNextBoundaryMinute(), c.nextMinute) << c.hour << ":" << c.minute;
    }
}

TEST_F(CalendarFixture, NoEventForTheBoundaryLocatedAMinuteEarly)
{
    LocateAt(2006, 1, 1, 6, 14);
    EXPECT_EQ(TickAt(2006, 1, 1, 6, 15, 0), 0);
    EXPECT_EQ(calendar.GetCurrentToki(), 6);
    EXPECT_EQ(TickAt(2006, 1, 1, 7, 10, 0), TICK_HALF_TOKI);
    EXPECT_EQ(calendar.GetCurrentToki(), 7);
}

TEST_F(CalendarFixture, TemporalMidnightBeforeClockMidnight)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 1, 1, 23, 43);  // toki 23, next boundary entry 0 = 23:45
    EXPECT_EQ(TickAt(2006, 1, 1, 23, 44, 0), 0);
    EXPECT_EQ(calendar.GetCurrentToki(), 23);
    EXPECT_EQ(TickAt(2006, 1, 1, 23, 45, 0), TICK_FULL_TOKI);  // the old toki 23 is odd
    EXPECT_EQ(calendar.GetCurrentToki(), 0);
    EXPECT_EQ(calendar.GetNextBoundary(), 1);
}

TEST_F(CalendarFixture, SecondZeroTicksThroughAMorning)
{
    calendar.SetAlarmTime(6, 15);
    LocateAt(2006, 1, 1, 0, 40);  // toki 0, next boundary 00:50
    struct {
        int h, m;
        int events;
        TokiIndex after;
    } const steps[] = {
        {0, 49, 0, 0},
        {0, 50, TICK_HALF_TOKI, 1},
        {1, 0, TICK_HOUR, 1},
        {1, 30, TICK_HALF_HOUR, 1},
        {1, 55, TICK_FULL_TOKI, 2},
        {3, 0, TICK_HALF_TOKI | TICK_HOUR, 3},
        {4, 5, TICK_FULL_TOKI, 4},
        {5, 10, TICK_HALF_TOKI, 5},
        {6, 15, TICK_FULL_TOKI | TICK_ALARM, 6},  // 明六つ and the alarm minute
        {7, 10, TICK_HALF_TOKI, 7},
        {9, 0, TICK_HALF_TOKI | TICK_HOUR, 9},    // entry 9 = 540
    };
    // Step through every minute so that no boundary is skipped.
    int index = 0;
    for (int minute = 41; minute <= 9 * 60; ++minute) {
        const int events = TickAt(2006, 1, 1, minute / 60, minute % 60, 0);
        const auto& s = steps[index];
        if (minute == s.h * 60 + s.m) {
            EXPECT_EQ(events, s.events) << s.h << ":" << s.m;
            EXPECT_EQ(calendar.GetCurrentToki(), s.after) << s.h << ":" << s.m;
            ++index;
            if (index == static_cast<int>(std::size(steps))) {
                break;
            }
        }
    }
    EXPECT_EQ(index, static_cast<int>(std::size(steps)));
}

TEST_F(CalendarFixture, AlarmBitComesWhetherOrNotAnyoneListens)
{
    calendar.SetAlarmTime(13, 7);
    LocateAt(2006, 1, 1, 13, 5);
    EXPECT_EQ(TickAt(2006, 1, 1, 13, 7, 0), TICK_ALARM);
    EXPECT_EQ(TickAt(2006, 1, 1, 13, 8, 0), 0);
    EXPECT_EQ(TickAt(2006, 1, 2, 13, 7, 0), TICK_ALARM);  // and again the next day
}

TEST_F(CalendarFixture, OnlyANewSecondDoesWorkAndOnlySecondZeroRaisesEvents)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 1, 1, 0, 48);  // at 0:49 the next toki would already be located
    EXPECT_EQ(TickAt(2006, 1, 1, 0, 49, 58), 0);
    EXPECT_EQ(calendar.GetTimeText(), "00:49:58");
    EXPECT_EQ(TickAt(2006, 1, 1, 0, 49, 59), 0);
    EXPECT_EQ(calendar.GetTimeText(), "00:49:59");
    EXPECT_EQ(TickAt(2006, 1, 1, 0, 50, 0), TICK_HALF_TOKI);
    EXPECT_EQ(calendar.GetTimeText(), "00:50:00");
    // The same second again (four ticks a second): nothing, text unchanged.
    SetClock(2006, 1, 1, 0, 50, 0);
    EXPECT_EQ(calendar.Tick(), 0);
    EXPECT_EQ(calendar.GetTimeText(), "00:50:00");
    for (int s = 1; s < 60; ++s) {
        ASSERT_EQ(TickAt(2006, 1, 1, 0, 50, s), 0) << s;
    }
    EXPECT_EQ(calendar.GetTimeText(), "00:50:59");
    EXPECT_EQ(calendar.GetCurrentToki(), 1);
}

TEST_F(CalendarFixture, DateChangeRebuildsAndKeepsTokiZeroAtAnEasternPlace)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 1, 1, 23, 50);  // toki 0 since 23:45
    ASSERT_EQ(calendar.GetCurrentToki(), 0);
    EXPECT_EQ(TickAt(2006, 1, 2, 0, 0, 0), TICK_HOUR);
    EXPECT_EQ(calendar.GetDay(), 2);
    EXPECT_EQ(calendar.GetCurrentToki(), 0);
    EXPECT_EQ(calendar.GetNextBoundary(), 1);
}

TEST_F(CalendarFixture, WesternPlaceWaitsForItsTemporalMidnightAfterTheDateChange)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 12, 30, 23, 30, 26, 13, 127, 40);  // Naha, entry 0 of 31 Dec = 32
    EXPECT_EQ(TickAt(2006, 12, 31, 0, 0, 0), TICK_HOUR);
    EXPECT_EQ(calendar.GetCurrentToki(), 23);
    EXPECT_EQ(calendar.GetNextBoundaryHour(), 0);
    EXPECT_EQ(calendar.GetNextBoundaryMinute(), 32);
    EXPECT_EQ(TickAt(2006, 12, 31, 0, 32, 0), TICK_FULL_TOKI);
    EXPECT_EQ(calendar.GetCurrentToki(), 0);
}

// A machine suspended from one date to the same day of another month or
// year: the first tick after it wakes rebuilds the table for the date it
// wakes on, exactly as a fresh start on that date would have it.
TEST_F(CalendarFixture, WakingOnTheSameDayOfAnotherMonthOrYearRebuildsTheTable)
{
    struct Case {
        LocalTime asleep, awake;
    };
    const Case cases[] = {
        {{2006, 1, 5, 6, 0, 0}, {2006, 2, 5, 6, 0, 0}},      // a month later
        {{2006, 3, 5, 12, 0, 0}, {2007, 3, 5, 12, 0, 0}},    // a year later
        {{2006, 6, 21, 4, 0, 0}, {2006, 12, 21, 4, 0, 0}},   // half a year: longest to shortest day
    };
    for (const Case& c : cases) {
        const LocalTime& a = c.asleep;
        const LocalTime& w = c.awake;
        calendar.SetAlarmTime(23, 59);
        LocateAt(a.year, a.month, a.day, a.hour, a.minute);
        JumpTo(w.year, w.month, w.day, w.hour, w.minute, 0);

        TokiCalendar fresh(std::make_shared<ManualClockSource>(w));
        fresh.SetLocation(35, 27, 139, 39, 9);
        const std::string at = std::to_string(w.year) + "-" + std::to_string(w.month);
        EXPECT_EQ(calendar.GetYear(), w.year) << at;
        EXPECT_EQ(calendar.GetMonth(), w.month) << at;
        for (int i = 0; i < TokiCalendar::kBoundaryCount; ++i) {
            ASSERT_EQ(calendar.GetBoundary(i), fresh.GetBoundary(i)) << at << " entry " << i;
        }
        EXPECT_EQ(calendar.GetCurrentToki(), fresh.GetCurrentToki()) << at;
    }
}

// Asleep from the 31st of October to New Year's Eve: the bells' month is
// the one the machine wakes in, and the eve holds from the first tick.
TEST_F(CalendarFixture, NewYearsEveAfterWakingFromTheLastDayOfAnotherMonth)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 10, 31, 23, 50);
    ASSERT_EQ(calendar.GetCurrentToki(), 0);
    EXPECT_EQ(JumpTo(2006, 12, 31, 23, 50, 0), TICK_JOYA);
    EXPECT_EQ(calendar.GetMonth(), 12);
}

TEST_F(CalendarFixture, NewYearsEveAtYokohama)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 12, 31, 23, 40);
    ASSERT_EQ(calendar.GetBoundary(24), 1424);  // 23:44
    EXPECT_EQ(TickAt(2006, 12, 31, 23, 43, 0), 0);
    EXPECT_EQ(TickAt(2006, 12, 31, 23, 44, 0), TICK_FULL_TOKI | TICK_JOYA);
    for (int m = 45; m <= 59; ++m) {
        EXPECT_EQ(TickAt(2006, 12, 31, 23, m, 0), TICK_JOYA)
            << m;
    }
    EXPECT_EQ(TickAt(2007, 1, 1, 0, 0, 0), TICK_HOUR);  // a new year: no more bells
}

// Far east of the meridian (24°N 153°E) toki 0 begins at 22:51, before hour
// 23: the boundary is reported alone, and the eve only from 23:00:00. Entry 1
// (-7, so 23:53 of the next day's table too) ends toki 0 before midnight.
TEST_F(CalendarFixture, NewYearsEveWaitsForHour23WhenTokiZeroBeginsBefore)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 12, 31, 22, 45, 24, 0, 153, 0);
    ASSERT_EQ(calendar.GetBoundary(24), 1371);  // 22:51
    ASSERT_EQ(calendar.GetBoundary(1), -7);     // 23:53
    constexpr int kTokiZero = 22 * 60 + 51;
    constexpr int kTokiOne = 23 * 60 + 53;
    for (int m = 22 * 60 + 46; m < 24 * 60; ++m) {
        int expected = 0;
        if (m == kTokiZero) {
            expected = TICK_FULL_TOKI;
        } else if (m == kTokiOne) {
            expected = TICK_HALF_TOKI;
        } else if (m >= 23 * 60 && m < kTokiOne) {
            expected = TICK_JOYA | (m == 23 * 60 ? TICK_HOUR : 0) |
                       (m == 23 * 60 + 30 ? TICK_HALF_HOUR : 0);
        }
        ASSERT_EQ(TickAt(2006, 12, 31, m / 60, m % 60, 0), expected)
            << m / 60 << ":" << m % 60;
        ASSERT_EQ(calendar.GetCurrentToki(), m < kTokiZero ? 23 : m < kTokiOne ? 0 : 1) << m;
    }
}

TEST_F(CalendarFixture, NewYearsEveNeverComesWestOfTheMeridian)
{
    calendar.SetAlarmTime(12, 0);
    LocateAt(2006, 12, 31, 22, 58, 26, 13, 127, 40);
    for (int m = 22 * 60 + 59; m < 24 * 60; ++m) {
        ASSERT_EQ(TickAt(2006, 12, 31, m / 60, m % 60, 0) & TICK_JOYA, 0) << m;
    }
    EXPECT_EQ(calendar.GetCurrentToki(), 23);
}

// ---- A clock that does not run on: sleep, a clock set by hand, a stall ------

// How a step reaches its instant.
enum class Move {
    RunOn,  // the clock runs on to it, every minute's second 0 ticked on the way
    Leap,   // it is the next reading (a jump, or a stall when it is the next minute)
};

struct JumpStep {
    Move move;
    LocalTime at;
    int events;      // of the step's last tick
    TokiIndex toki;  // current afterwards
};

struct JumpCase {
    const char* name;
    LocalTime start;  // located there, as at a start (in the middle of its minute)
    int alarmHour, alarmMinute;
    std::vector<JumpStep> steps;
};

// Yokohama, 2006-01-01: boundaries 09:55 (entry 10), 10:50, 11:45 (entry 12), ...,
// 14:30 (entry 15), 15:25; 07:10 (entry 7). 2006-12-31: entry 24 = 23:44.
// After a jump the toki is the one a start in that minute locates, no event
// is raised for what was passed over, and the next boundary strikes on time.
TEST_F(CalendarFixture, AJumpLocatesAfreshAndRaisesNothingItPassedOver)
{
    const auto R = Move::RunOn;
    const auto L = Move::Leap;
    const JumpCase cases[] = {
        {"forward over several boundaries", {2006, 1, 1, 10, 30, 30}, 12, 0,
         {{L, {2006, 1, 1, 14, 28, 0}, 0, 14},
          {R, {2006, 1, 1, 14, 29, 0}, 0, 14},
          {R, {2006, 1, 1, 14, 30, 0}, TICK_HALF_TOKI | TICK_HALF_HOUR, 15}}},
        {"forward into a boundary's minute", {2006, 1, 1, 10, 30, 30}, 12, 0,
         {{L, {2006, 1, 1, 14, 30, 5}, 0, 15},
          {R, {2006, 1, 1, 14, 31, 0}, 0, 15}}},
        {"back over a boundary", {2006, 1, 1, 14, 31, 30}, 12, 0,
         {{L, {2006, 1, 1, 14, 20, 0}, 0, 14},
          {R, {2006, 1, 1, 14, 30, 0}, TICK_HALF_TOKI | TICK_HALF_HOUR, 15}}},
        {"hours later at the same second", {2006, 1, 1, 10, 30, 30}, 12, 0,
         {{R, {2006, 1, 1, 10, 30, 45}, 0, 10},
          {L, {2006, 1, 1, 14, 28, 45}, 0, 14}}},
        {"forward across midnight, onto the hour and the alarm", {2006, 1, 1, 22, 0, 30}, 1, 0,
         {{L, {2006, 1, 2, 1, 0, 0}, 0, 1},
          {R, {2006, 1, 2, 1, 55, 0}, TICK_FULL_TOKI, 2}}},
        {"back across midnight", {2006, 1, 2, 0, 10, 30}, 12, 0,
         {{L, {2006, 1, 1, 23, 40, 0}, 0, 23},
          {R, {2006, 1, 1, 23, 45, 0}, TICK_FULL_TOKI, 0}}},
        {"over the alarm minute", {2006, 1, 1, 11, 58, 30}, 12, 0,
         {{L, {2006, 1, 1, 12, 0, 20}, 0, 12},
          {R, {2006, 1, 1, 12, 1, 0}, 0, 12}}},
        {"a stall over second 0 of a boundary and the alarm", {2006, 1, 1, 7, 5, 30}, 7, 10,
         {{R, {2006, 1, 1, 7, 9, 59}, 0, 6},
          {L, {2006, 1, 1, 7, 10, 2}, TICK_HALF_TOKI | TICK_ALARM, 7},
          {R, {2006, 1, 1, 7, 10, 3}, 0, 7}}},
        {"set back by seconds over the turn of a minute", {2006, 1, 1, 7, 5, 30}, 12, 0,
         {{R, {2006, 1, 1, 7, 10, 0}, TICK_HALF_TOKI, 7},
          {L, {2006, 1, 1, 7, 9, 58}, 0, 7},
          {R, {2006, 1, 1, 7, 10, 0}, 0, 7},
          {R, {2006, 1, 1, 7, 11, 0}, 0, 7}}},
        {"into New Year's Eve", {2006, 12, 31, 22, 0, 30}, 12, 0,
         {{L, {2006, 12, 31, 23, 50, 0}, TICK_JOYA, 0},
          {R, {2006, 12, 31, 23, 51, 0}, TICK_JOYA, 0}}},
    };
    for (const JumpCase& c : cases) {
        calendar = TokiCalendar(clock);
        calendar.SetAlarmTime(c.alarmHour, c.alarmMinute);
        const LocalTime& s = c.start;
        SetClock(s.year, s.month, s.day, s.hour, s.minute, s.second);
        calendar.SetLocation(35, 27, 139, 39, 9);
        for (const JumpStep& step : c.steps) {
            const LocalTime& a = step.at;
            char when[32];
            std::snprintf(when, sizeof when, "%02d-%02d %02d:%02d:%02d", a.month, a.day, a.hour,
                          a.minute, a.second);
            const int events = step.move == Move::RunOn
                                   ? TickAt(a.year, a.month, a.day, a.hour, a.minute, a.second)
                                   : JumpTo(a.year, a.month, a.day, a.hour, a.minute, a.second);
            EXPECT_EQ(events, step.events) << c.name << ", at " << when;
            EXPECT_EQ(calendar.GetCurrentToki(), step.toki) << c.name << ", at " << when;
            EXPECT_EQ(calendar.GetTimeText(), std::string(when + 6)) << c.name;
            EXPECT_EQ(calendar.GetDay(), a.day) << c.name << ", at " << when;
            if (step.move == Move::Leap && !(step.events & (TICK_HALF_TOKI | TICK_FULL_TOKI))) {
                // Exactly what a start in that minute locates.
                TokiCalendar fresh(std::make_shared<ManualClockSource>(a));
                fresh.SetLocation(35, 27, 139, 39, 9);
                EXPECT_EQ(calendar.GetCurrentToki(), fresh.GetCurrentToki()) << c.name;
                EXPECT_EQ(calendar.GetNextBoundary(), fresh.GetNextBoundary()) << c.name;
            }
        }
    }
}

}  // namespace

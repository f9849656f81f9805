#pragma once

#include "SolarDay.h"
#include "TokiTable.h"

#include <optional>

// When a toki alarm rings, as pure functions of the day's table.
//
// Instants are whole minutes of local clock time counted from 1970-01-01
// 00:00 of the same clock (LocalSecondCount / 60): they compare across days.
// A moment is computed on the table of one date, and may fall on the clock
// day before or after it (明六つ - 720 falls on the evening before); it
// belongs to the day on which it falls, whose weekday decides whether it
// rings.

// Toki value that stands for a clock time instead of a toki.
constexpr int kAlarmAtClockTime = -1;
// Minutes an alarm may lie before (-) or after (+) its toki or clock time.
constexpr int kMaxAlarmOffset = 720;
// Weekday bits: 1 Sunday, 2 Monday ... 64 Saturday.
constexpr int kEveryDay = 127;

struct TokiAlarmRule {
    int toki = 18;    // TokiIndex 0..23 whose beginning is meant, or kAlarmAtClockTime
    int hour = 0;     // 0..23, with kAlarmAtClockTime
    int minute = 0;   // 0..59, with kAlarmAtClockTime
    int offset = 0;   // -kMaxAlarmOffset..kMaxAlarmOffset minutes
    int days = kEveryDay;  // weekday bits; bits above 64 are ignored
};

// A rule out of these ranges (from a hand-edited file) never rings.
bool IsValidAlarmRule(const TokiAlarmRule& rule);

// The day number (days since 1970-01-01) of a civil date, and the instant of
// its 00:00.
long long DayNumber(int year, int month, int day);
long long MidnightMinute(int year, int month, int day);
// Floor division of an instant into its day number; the weekday of a day
// number (0 Sunday ... 6 Saturday) and its bit (1 Sunday ... 64 Saturday).
long long DayOfMinute(long long minute);
int WeekdayOf(long long dayNumber);
int WeekdayBit(long long dayNumber);

// The moment of a valid rule on the table of a date, in minutes from that
// date's 00:00: the toki's boundary (or the clock time) plus the offset.
// Outside 0..1439 it falls on the day before or after.
int AlarmMomentInTable(const TokiBoundaries& table, const TokiAlarmRule& rule);

// The instant of the rule's moment computed on the table of the civil date
// at place; nothing for an invalid rule. The weekdays are not looked at.
std::optional<long long> AlarmMomentOn(const TokiAlarmRule& rule, const SolarPlace& place,
                                       int year, int month, int day);

// The first instant at or after fromMinute at which the rule rings: a moment
// of some date's table that falls on a day the rule allows. Nothing for an
// invalid rule or one without days. Computes a dozen tables; no heap.
std::optional<long long> NextAlarmRing(const TokiAlarmRule& rule, const SolarPlace& place,
                                       long long fromMinute);

#include "TokiAlarmTime.h"

#include "ClockSource.h"

namespace {

constexpr long long kMinutesPerDay = 1440;

long long FloorDiv(long long a, long long b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

bool IsValidAlarmRule(const TokiAlarmRule& rule)
{
    if (rule.offset < -kMaxAlarmOffset || rule.offset > kMaxAlarmOffset) {
        return false;
    }
    if (rule.toki == kAlarmAtClockTime) {
        return rule.hour >= 0 && rule.hour <= 23 && rule.minute >= 0 && rule.minute <= 59;
    }
    return rule.toki >= 0 && rule.toki < kTokiBoundaryCount - 1;
}

long long DayNumber(int year, int month, int day)
{
    return FloorDiv(LocalSecondCount(LocalTime{year, month, day, 0, 0, 0}), 86400);
}

long long MidnightMinute(int year, int month, int day)
{
    return DayNumber(year, month, day) * kMinutesPerDay;
}

long long DayOfMinute(long long minute)
{
    return FloorDiv(minute, kMinutesPerDay);
}

int WeekdayOf(long long dayNumber)
{
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((dayNumber % 7) + 7 + 4) % 7);
}

int WeekdayBit(long long dayNumber)
{
    return 1 << WeekdayOf(dayNumber);
}

int AlarmMomentInTable(const TokiBoundaries& table, const TokiAlarmRule& rule)
{
    const int base = rule.toki == kAlarmAtClockTime
                         ? rule.hour * 60 + rule.minute
                         : table[static_cast<std::size_t>(rule.toki)];
    return base + rule.offset;
}

std::optional<long long> AlarmMomentOn(const TokiAlarmRule& rule, const SolarPlace& place,
                                       int year, int month, int day)
{
    if (!IsValidAlarmRule(rule)) {
        return std::nullopt;
    }
    const TokiBoundaries table = ComputeTokiTable(year, month, day, place).boundaries;
    return MidnightMinute(year, month, day) + AlarmMomentInTable(table, rule);
}

std::optional<long long> NextAlarmRing(const TokiAlarmRule& rule, const SolarPlace& place,
                                       long long fromMinute)
{
    if (!IsValidAlarmRule(rule) || (rule.days & kEveryDay) == 0) {
        return std::nullopt;
    }
    // A table's moment lies within -1440..2880 minutes of its date's 00:00
    // (boundaries 0..23 within -720..2160, the offset within 720), so it
    // falls on the date, the day before or the day after. Near midnight a
    // day may get two moments and the next none, as the moment drifts with
    // the season; two weeks of tables from the day before fromMinute's find
    // an allowed day even then.
    const long long firstDate = DayOfMinute(fromMinute) - 1;
    for (long long date = firstDate; date <= firstDate + 16; ++date) {
        const LocalTime d = LocalTimeOfSecondCount(date * 86400);
        const std::optional<long long> moment = AlarmMomentOn(rule, place, d.year, d.month, d.day);
        if (moment && *moment >= fromMinute && (WeekdayBit(DayOfMinute(*moment)) & rule.days)) {
            // The moments of successive tables come about a day apart, in
            // order: the first that qualifies is the next.
            return moment;
        }
    }
    return std::nullopt;
}

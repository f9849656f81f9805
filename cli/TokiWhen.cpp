#include "TokiWhen.h"

#include "ClockSource.h"
#include "ClockTimeText.h"
#include "TokiAlarmTime.h"

#include <cstdio>
#include <ostream>

bool ParseWhenOption(const std::string& text, TokiExpression& when, std::string& error)
{
    when = ParseTokiExpression(text);
    switch (when.error) {
    case TokiExpression::Error::None:
        return true;
    case TokiExpression::Error::UnknownName:
        error = "vellmor-toki: --when " + text +
                ": unknown toki (a name as the table prints it, or an index 0..23, then "
                "+N or -N minutes)";
        return false;
    case TokiExpression::Error::OffsetOutOfRange:
        error = "vellmor-toki: --when " + text + ": the offset must lie in -" +
                std::to_string(kMaxAlarmOffset) + "..+" + std::to_string(kMaxAlarmOffset) +
                " minutes";
        return false;
    }
    return false;
}

void PrintTokiWhen(const TokiExpression& when, const SolarPlace& place, int year, int month,
                   int day, bool json, std::ostream& out)
{
    TokiAlarmRule rule;
    rule.toki = when.toki;
    rule.offset = when.offset;
    const long long moment = *AlarmMomentOn(rule, place, year, month, day);
    const LocalTime t = LocalTimeOfSecondCount(moment * 60);
    const std::string clock = ClockTimeText(t.hour * 60 + t.minute);
    if (!json) {
        out << clock << "\n";
        return;
    }
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", t.year % 10000, t.month % 100,
                  t.day % 100);
    out << "{\"when\": \"" << clock << "\", \"date\": \"" << date << "\"}\n";
}

// When a toki alarm rings: the moment from the day's table, the day it
// falls on, its weekdays; and the expressions of `vellmor-toki --when`.
#include "HourMinuteText.h"
#include "ClockSource.h"
#include "ClockTimeText.h"
#include "TokiAlarmTime.h"
#include "TokiExpression.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const SolarPlace kYokohama = MakeSolarPlace(35, 27, 139, 39, 9);
const SolarPlace kNaha = MakeSolarPlace(26, 13, 127, 40, 9);

// Weekday bits.
constexpr int kSunday = 1, kMonday = 2, kSaturday = 64, kMondayToFriday = 62;

long long At(int y, int mo, int d, int h, int mi)
{
    return LocalSecondCount(LocalTime{y, mo, d, h, mi, 0}) / 60;
}

std::string Text(std::optional<long long> minute)
{
    if (!minute) {
        return "never";
    }
    const LocalTime t = LocalTimeOfSecondCount(*minute * 60);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return text;
}

TokiAlarmRule Toki(int toki, int offset, int days = kEveryDay)
{
    TokiAlarmRule rule;
    rule.toki = toki;
    rule.offset = offset;
    rule.days = days;
    return rule;
}

TokiAlarmRule Clock(int hour, int minute, int offset, int days = kEveryDay)
{
    TokiAlarmRule rule = Toki(kAlarmAtClockTime, offset, days);
    rule.hour = hour;
    rule.minute = minute;
    return rule;
}

// Tables used (minutes from the date's 00:00; entries 0, 6 and 18):
// Yokohama 2006-01-01 and -02: -15, 375, 1035; -03: -14, 375, 1036;
// -07: -12, 376, 1039; 2006-06-21: -17, 228, 1178.
// Naha 2006-01-01: 33, 405, 1100; 2006-12-31: 32, 405, 1100.
// 2006-01-01 was a Sunday.
struct RingCase {
    const char* name;
    SolarPlace place;
    TokiAlarmRule rule;
    long long from;
    const char* expected;
};

void PrintTo(const RingCase& c, std::ostream* os) { *os << c.name; }

class NextRing : public ::testing::TestWithParam<RingCase> {};

TEST_P(NextRing, IsTheFirstMomentOnAnAllowedDayFromTheGivenMinute)
{
    const RingCase& c = GetParam();
    EXPECT_EQ(Text(NextAlarmRing(c.rule, c.place, c.from)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NextRing,
    ::testing::Values(
        RingCase{"winter dusk less 15", kYokohama, Toki(18, -15), At(2006, 1, 1, 0, 0),
                 "2006-01-01 17:00"},
        RingCase{"its own minute still rings", kYokohama, Toki(18, -15), At(2006, 1, 1, 17, 0),
                 "2006-01-01 17:00"},
        RingCase{"a minute later: the next day's table", kYokohama, Toki(18, -15),
                 At(2006, 1, 1, 17, 1), "2006-01-02 17:00"},
        RingCase{"summer dusk comes later", kYokohama, Toki(18, -15), At(2006, 6, 21, 0, 0),
                 "2006-06-21 19:23"},
        RingCase{"summer dawn comes earlier", kYokohama, Toki(6, 10), At(2006, 6, 21, 0, 0),
                 "2006-06-21 03:58"},
        RingCase{"another place: Naha's dusk", kNaha, Toki(18, -15), At(2006, 1, 1, 0, 0),
                 "2006-01-01 18:05"},
        RingCase{"midnight toki after midnight in the west", kNaha, Toki(0, 0),
                 At(2006, 12, 31, 0, 0), "2006-12-31 00:32"},
        RingCase{"tomorrow's midnight toki falls tonight", kYokohama, Toki(0, 0),
                 At(2006, 1, 1, 0, 0), "2006-01-01 23:45"},
        RingCase{"dawn less 720 is the evening before", kYokohama, Toki(6, -720, kSunday),
                 At(2006, 1, 1, 0, 0), "2006-01-01 18:15"},
        RingCase{"the weekday is the evening's, not the table's", kYokohama,
                 Toki(6, -720, kMonday), At(2006, 1, 1, 0, 0), "2006-01-02 18:15"},
        RingCase{"dusk plus 720 is the next morning", kYokohama, Toki(18, 720, kMonday),
                 At(2006, 1, 1, 0, 0), "2006-01-02 05:15"},
        RingCase{"Monday to Friday from a Sunday", kYokohama, Toki(18, -15, kMondayToFriday),
                 At(2006, 1, 1, 0, 0), "2006-01-02 17:00"},
        RingCase{"Saturday only: the week's last table", kYokohama, Toki(18, -15, kSaturday),
                 At(2006, 1, 1, 0, 0), "2006-01-07 17:04"},
        RingCase{"half toki", kYokohama, Toki(19, 0), At(2006, 1, 1, 18, 0),
                 "2006-01-01 18:20"},
        RingCase{"clock time with an offset", kYokohama, Clock(6, 30, -45),
                 At(2006, 1, 1, 0, 0), "2006-01-01 05:45"},
        RingCase{"clock time moved over midnight", kYokohama, Clock(0, 10, -15, kSunday),
                 At(2006, 1, 1, 0, 0), "2006-01-01 23:55"},
        RingCase{"no day", kYokohama, Toki(18, 0, 0), At(2006, 1, 1, 0, 0), "never"},
        RingCase{"toki 24 is not a toki", kYokohama, Toki(24, 0), At(2006, 1, 1, 0, 0),
                 "never"},
        RingCase{"offset past 720", kYokohama, Toki(18, -721), At(2006, 1, 1, 0, 0), "never"},
        RingCase{"clock hour 24", kYokohama, Clock(24, 0, 0), At(2006, 1, 1, 0, 0), "never"}));

TEST(NextRing, FollowsItsTableEveryDayOfAYearAndKeepsItsWeekday)
{
    // Saturdays only, 明六つ less 30, through 2024: every ring is a Saturday,
    // 7 days after the one before (give or take the table's drift), and at
    // the minute that Saturday's table gives.
    const TokiAlarmRule rule = Toki(6, -30, kSaturday);
    long long from = At(2024, 1, 1, 0, 0);
    int rings = 0;
    for (std::optional<long long> ring; (ring = NextAlarmRing(rule, kYokohama, from)) &&
                                        *ring < At(2025, 1, 1, 0, 0);
         from = *ring + 1, ++rings) {
        const long long day = DayOfMinute(*ring);
        ASSERT_EQ(WeekdayOf(day), 6) << Text(ring);
        const LocalTime d = LocalTimeOfSecondCount(day * 86400);
        EXPECT_EQ(*ring, AlarmMomentOn(rule, kYokohama, d.year, d.month, d.day)) << Text(ring);
    }
    EXPECT_EQ(rings, 52);
}

TEST(TokiExpression, NamesInEveryPrintedFormIndicesAndOffsets)
{
    const struct {
        const char* text;
        int toki, offset;
    } accepted[] = {
        {"暮六つ-15", 18, -15},      {"18-15", 18, -15},          {"暮六つ (酉)+30", 18, 30},
        {" 暮六つ    （酉） ", 18, 0}, {"暁九つ半", 1, 0},           {"06", 6, 0},
        {"23+720", 23, 720},         {"明六つ-720", 6, -720},     {"夜四つ半-0", 23, 0},
    };
    for (const auto& c : accepted) {
        const TokiExpression e = ParseTokiExpression(c.text);
        EXPECT_EQ(e.error, TokiExpression::Error::None) << c.text;
        EXPECT_EQ(e.toki, c.toki) << c.text;
        EXPECT_EQ(e.offset, c.offset) << c.text;
    }
    const struct {
        const char* text;
        TokiExpression::Error error;
    } refused[] = {
        {"暮七つ", TokiExpression::Error::UnknownName},
        {"24", TokiExpression::Error::UnknownName},
        {"", TokiExpression::Error::UnknownName},
        {"-15", TokiExpression::Error::UnknownName},
        {"暮六つ-", TokiExpression::Error::UnknownName},
        {"酉", TokiExpression::Error::UnknownName},
        {"暮六つ-721", TokiExpression::Error::OffsetOutOfRange},
        {"18+99999999999999999999", TokiExpression::Error::OffsetOutOfRange},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(ParseTokiExpression(c.text).error, c.error) << c.text;
    }
}

TEST(HourMinuteText, ReadsAndWritesClockTimes)
{
    const struct {
        const char* text;
        int minutes;  // -1: refused
    } cases[] = {{"22:00", 1320}, {"6:30", 390},  {" 06:30 ", 390}, {"00:00", 0},
                 {"23:59", 1439}, {"24:00", -1},  {"12:60", -1},    {"7:5", -1},
                 {"", -1},        {"123:00", -1}, {"1:2x", -1},     {"-1:00", -1}};
    for (const auto& c : cases) {
        const auto minutes = ParseHourMinuteText(c.text);
        EXPECT_EQ(minutes.value_or(-1), c.minutes) << c.text;
    }
    EXPECT_EQ(ClockTimeText(390), "06:30");
    EXPECT_EQ(ClockTimeText(-15), "23:45");
}

}  // namespace

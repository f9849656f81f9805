// The 節気 of a year, the term, 候 and moon age of a day.
#include "CivilDay.h"
#include "SeasonNames.h"
#include "SolarTerms.h"
#include "TraditionalDay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kJapan = 540;

std::string MinuteText(double jdUt, int offsetMinutes)
{
    const LocalMinute m = LocalMinuteOf(jdUt, offsetMinutes);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", m.date.year, m.date.month,
                  m.date.day, m.hour, m.minute);
    return text;
}

TEST(Seasons, TheTermsOf2024OnTheirAlmanacDates)
{
    const char* const expected[] = {
        "小寒 01-06", "大寒 01-20", "立春 02-04", "雨水 02-19", "啓蟄 03-05", "春分 03-20",
        "清明 04-04", "穀雨 04-19", "立夏 05-05", "小満 05-20", "芒種 06-05", "夏至 06-21",
        "小暑 07-06", "大暑 07-22", "立秋 08-07", "処暑 08-22", "白露 09-07", "秋分 09-22",
        "寒露 10-08", "霜降 10-23", "立冬 11-07", "小雪 11-22", "大雪 12-07", "冬至 12-21",
    };
    const std::vector<SolarTerm> terms = SolarTermsOfYear(2024, kJapan);
    ASSERT_EQ(terms.size(), 24u);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const CivilDate d = CivilDateOf(LocalDayNumber(terms[i].jdUt, kJapan));
        char text[32];
        std::snprintf(text, sizeof text, "%s %02d-%02d", SolarTermName(terms[i].index).c_str(),
                      d.month, d.day);
        EXPECT_EQ(text, std::string(expected[i]));
    }
    // 09:20:20 UT by PyEphem and by the Purple Mountain Observatory.
    EXPECT_EQ(MinuteText(terms.back().jdUt, kJapan), "2024-12-21 18:20");
    EXPECT_EQ(MinuteText(terms.back().jdUt, 0), "2024-12-21 09:20");
}

TEST(Seasons, TheDayOfTheWinterSolstice2024)
{
    const TraditionalDay day = TraditionalDayOf(DayNumberOf({2024, 12, 21}), kJapan);
    EXPECT_EQ(day.lunar, (LunarDate{2024, 11, false, 21}));
    EXPECT_EQ(SolarTermName(day.term.index), "冬至");
    EXPECT_EQ(MinuteText(day.term.jdUt, kJapan), "2024-12-21 18:20");
    EXPECT_EQ(KoName(day.ko.index), "乃東生");
    EXPECT_EQ(day.ko.jdUt, day.term.jdUt);
    EXPECT_TRUE(day.zassetsu.empty());
    // The 朔 of 2024-12-01 15:21 JST to noon of the 21st.
    EXPECT_EQ(MoonAgeText(day.moonAge), "19.9");

    // The day before is still 大雪, in its last 候.
    const TraditionalDay before = TraditionalDayOf(DayNumberOf({2024, 12, 20}), kJapan);
    EXPECT_EQ(SolarTermName(before.term.index), "大雪");
    EXPECT_EQ(KoName(before.ko.index), "鱖魚群");
    // 00:16:49 by PyEphem: the minute is cut down, never rounded up.
    EXPECT_EQ(MinuteText(before.term.jdUt, kJapan), "2024-12-07 00:16");
}

TEST(Seasons, TheKoFollowEveryFiveDegreesThroughTheYear)
{
    // Each 候 starts where the sun has gone 5 degrees on from the last; a
    // term is the 候 index / 3.
    int ko = TraditionalDayOf(DayNumberOf({2024, 1, 1}), kJapan).ko.index;
    int changes = 0;
    for (int day = DayNumberOf({2024, 1, 2}); day <= DayNumberOf({2024, 12, 31}); ++day) {
        const TraditionalDay d = TraditionalDayOf(day, kJapan);
        EXPECT_EQ(d.term.index, d.ko.index / 3);
        if (d.ko.index != ko) {
            EXPECT_EQ(d.ko.index, (ko + 1) % kKoCount);
            EXPECT_EQ(LocalDayNumber(d.ko.jdUt, kJapan), day);
            ++changes;
        }
        ko = d.ko.index;
    }
    EXPECT_EQ(changes, 72);
}

TEST(Seasons, NamesAndTheMoonAgeText)
{
    EXPECT_EQ(SolarTermName(0), "春分");
    EXPECT_EQ(SolarTermName(21), "立春");
    EXPECT_EQ(SolarTermName(24), "");
    EXPECT_EQ(KoName(0), "雀始巣");
    EXPECT_EQ(KoName(63), "東風解凍");
    EXPECT_EQ(KoName(71), "菜虫化蝶");
    EXPECT_EQ(KoName(-1), "");
    const struct {
        double age;
        const char* text;
    } ages[] = {{19.86, "19.9"}, {0.04, "0.0"}, {0.05, "0.1"}, {29.96, "30.0"}, {7.0, "7.0"}};
    for (const auto& a : ages) {
        EXPECT_EQ(MoonAgeText(a.age), a.text) << a.age;
    }
}

}  // namespace

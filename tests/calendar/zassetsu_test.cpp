// The 雑節 of two years as almanacs print them, and 社日 in the years
// whose equinox falls midway between two 戊 days.
#include "CivilDay.h"
#include "Zassetsu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kJapan = 540;

std::vector<std::string> Listing(int year)
{
    std::vector<std::string> out;
    for (const ZassetsuDay& z : ZassetsuOfYear(year, kJapan)) {
        const CivilDate d = CivilDateOf(z.dayNumber);
        char text[64];
        std::snprintf(text, sizeof text, "%02d-%02d %s", d.month, d.day, z.name.c_str());
        out.push_back(text);
    }
    return out;
}

TEST(Zassetsu, TheYear2025)
{
    const std::vector<std::string> expected = {
        "01-17 土用入り", "01-20 土用の丑", "02-01 土用の丑", "02-02 節分",
        "03-17 彼岸入り", "03-20 社日",     "03-23 彼岸明け", "04-17 土用入り",
        "04-26 土用の丑", "05-01 八十八夜", "06-11 入梅",     "07-01 半夏生",
        "07-19 土用入り", "07-19 土用の丑", "07-31 土用の丑", "08-31 二百十日",
        "09-10 二百二十日", "09-20 彼岸入り", "09-26 社日",   "09-26 彼岸明け",
        "10-20 土用入り", "10-23 土用の丑", "11-04 土用の丑",
    };
    EXPECT_EQ(Listing(2025), expected);
}

TEST(Zassetsu, SummerUshiDaysAndTheDaysOfOneDate)
{
    // The 丑 days of summer's 土用, two in some years, one in others.
    const struct {
        int year;
        std::vector<std::string> ushi;
    } cases[] = {
        {2024, {"07-24 土用の丑", "08-05 土用の丑"}},
        {2023, {"07-30 土用の丑"}},
        {2019, {"07-27 土用の丑"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> summer;
        for (const std::string& line : Listing(c.year)) {
            if ((line.rfind("07-", 0) == 0 || line.rfind("08-", 0) == 0) &&
                line.find("土用の丑") != std::string::npos) {
                summer.push_back(line);
            }
        }
        EXPECT_EQ(summer, c.ushi) << c.year;
    }
    EXPECT_EQ(ZassetsuOfDay(DayNumberOf({2024, 5, 1}), kJapan),
              (std::vector<std::string>{"八十八夜", "土用の丑"}));
    EXPECT_TRUE(ZassetsuOfDay(DayNumberOf({2024, 5, 2}), kJapan).empty());
}

TEST(Zassetsu, ShanichiIsTheNearest戊DayAndTheEquinoxInstantBreaksATie)
{
    const struct {
        CivilDate shanichi;
        const char* why;
    } cases[] = {
        {{2021, 3, 21}, "春分 2021-03-20 (丁): 戊 the day after"},
        {{2023, 9, 27}, "秋分 2023-09-23 (甲): 戊 four days after"},
        {{2016, 3, 17}, "春分 2016-03-20 (辛): 戊 three days before"},
        {{2024, 3, 25}, "春分 2024-03-20 12:06, a 癸 day, after noon: the later 戊"},
        {{2019, 9, 28}, "秋分 2019-09-23 16:50, a 癸 day, after noon: the later 戊"},
        {{2017, 9, 18}, "秋分 2017-09-23 05:01, a 癸 day, before noon: the earlier 戊"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> names = ZassetsuOfDay(DayNumberOf(c.shanichi), kJapan);
        EXPECT_NE(std::find(names.begin(), names.end(), "社日"), names.end()) << c.why;
    }
}

}  // namespace

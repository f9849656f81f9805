#include "ClockTimeText.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTimeText, ClockTimeOfAMinuteOfTheTablesDay)
{
    const struct {
        int minutes;
        const char* text;
    } cases[] = {{-19, "23:41"}, {1450, "00:10"}, {0, "00:00"},   {1439, "23:59"},
                 {1440, "00:00"}, {720, "12:00"},  {-1440, "00:00"}, {-1500, "23:00"},
                 {9999, "22:39"}, {-2881, "23:59"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClockTimeText(c.minutes), c.text) << c.minutes;
    }
}

}  // namespace

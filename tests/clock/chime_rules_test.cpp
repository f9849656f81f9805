#include "ChimeRules.h"

#include "TokiCalendar.h"

#include <gtest/gtest.h>

namespace {

TEST(ChimeRules, StrikeTableGivesBellCountsAndOneForEveryHalfToki)
{
    const std::array<int, kTokiCount> expected{9, 1, 8, 1, 7, 1, 6, 1, 5, 1, 4, 1,
                                               9, 1, 8, 1, 7, 1, 6, 1, 5, 1, 4, 1};
    EXPECT_EQ(MakeStrikeCounts(), expected);
}

struct StrikeCase {
    int mask, count, hour, minute, tokiStrikes;
    int expected;
};

TEST(ChimeRules, ScheduledStrikes)
{
    constexpr int kTokiMask = TICK_HALF_TOKI | TICK_FULL_TOKI;
    constexpr int kHourly = TICK_HOUR;
    constexpr int kHalfHourly = TICK_HOUR | TICK_HALF_HOUR;
    const StrikeCase cases[] = {
        // the clock hour on a twelve-hour dial
        {kHourly, 2, 0, 0, 9, 12},
        {kHourly, 2, 1, 0, 9, 1},
        {kHourly, 2, 11, 0, 9, 11},
        {kHourly, 2, 12, 0, 9, 12},
        {kHourly, 2, 13, 0, 9, 1},
        {kHourly, 2, 23, 0, 9, 11},
        {kHalfHourly, 2, 7, 0, 4, 7},
        {kHalfHourly, 2, 7, 30, 4, 1},
        // the rules follow the mask and the minute, not the events
        {kHourly, 2, 7, 30, 4, 4},    // no half-hour bit: the toki's count
        {kTokiMask, 2, 6, 0, 6, 6},   // a boundary at minute 0 counts by the toki
        {kTokiMask, 2, 12, 30, 1, 1},
        // any count choice other than 0 and 1 follows the rules
        {kHourly, 7, 15, 0, 9, 3},
        {kHourly, -1, 15, 0, 9, 3},
        // "常に１回": exactly one strike whatever the rule would give
        {kTokiMask, 1, 23, 45, 9, 1},
        {kHourly, 1, 0, 0, 9, 1},
        {kHalfHourly, 1, 7, 30, 4, 1},
        // "鐘を鳴らさない"
        {kTokiMask, 0, 6, 15, 6, 0},
        {kHourly, 0, 12, 0, 9, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScheduledStrikes(c.mask, c.count, c.hour, c.minute, c.tokiStrikes), c.expected)
            << "mask " << c.mask << " count " << c.count << " at " << c.hour << ":" << c.minute;
    }
}

}  // namespace

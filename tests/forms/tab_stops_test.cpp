#include "TabStops.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TabStops, FieldsStartAtTheFirstStopRightOfTheFieldBefore)
{
    const struct {
        std::vector<int> widths;
        int stop;
        std::vector<int> columns;
    } cases[] = {
        {{36, 40, 48, 22}, 56, {0, 56, 112, 168}},
        {{70, 10}, 56, {0, 112}},      // a wide field skips a stop
        {{56, 10}, 56, {0, 112}},      // ending on a stop moves to the next
        {{0, 0}, 56, {0, 56}},         // an empty field still tabs
        {{10, 20}, 0, {0, 10}},        // no stops: fields run together
        {{}, 56, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TabbedFieldColumns(c.widths, c.stop), c.columns);
    }
}

}  // namespace

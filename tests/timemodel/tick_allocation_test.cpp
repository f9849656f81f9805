#include "ClockSource.h"
#include "TokiCalendar.h"

#include "AllocationCounter.h"

#include <gtest/gtest.h>

#include <memory>


namespace {

// The clock ticks four times a second all day: neither a new second, nor a
// minute's events, nor the day's rebuild may touch the heap.
TEST(TickAllocation, ADayOfTicksAllocatesNothing)
{
    auto clock = std::make_shared<ManualClockSource>(LocalTime{2006, 12, 31, 0, 0, 0});
    TokiCalendar calendar(clock);
    calendar.SetLocation(35, 27, 139, 39, 9);
    const long before = AllocationCount();
    for (int s = 0; s < 2 * 86400; s += 7) {  // crosses midnight into a new year
        const int t = s % 86400;
        clock->Set(LocalTime{s < 86400 ? 2006 : 2007, s < 86400 ? 12 : 1, s < 86400 ? 31 : 1,
                             t / 3600, t / 60 % 60, t % 60});
        calendar.Tick();
        calendar.Tick();
    }
    EXPECT_EQ(AllocationCount() - before, 0);
}

}  // namespace

// Cost of the time model's two hot paths: a full rebuild of the day table
// (at start, once a day, after a settings change) and a Tick within a second
// already seen (four times a second, all day long).
#include "ClockSource.h"
#include "TokiCalendar.h"

#include "AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <memory>


namespace {

void BM_RebuildTable(benchmark::State& state)
{
    auto clock = std::make_shared<ManualClockSource>(LocalTime{2006, 1, 1, 12, 0, 0});
    TokiCalendar calendar(clock);
    calendar.SetLocation(35, 27, 139, 39, 9);
    int day = 1;
    for (auto _ : state) {
        calendar.SetDate(2006, 1, day);
        benchmark::DoNotOptimize(calendar.GetBoundary(12));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_RebuildTable);

// The clock read alone, to subtract from the Tick figure.
void BM_ClockRead(benchmark::State& state)
{
    auto clock = std::make_shared<ManualClockSource>(LocalTime{2006, 1, 1, 12, 0, 7});
    const ClockSource& source = *clock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.Now());
    }
}
BENCHMARK(BM_ClockRead);

void BM_TickSameSecond(benchmark::State& state)
{
    auto clock = std::make_shared<ManualClockSource>(LocalTime{2006, 1, 1, 12, 0, 7});
    TokiCalendar calendar(clock);
    calendar.SetLocation(35, 27, 139, 39, 9);
    calendar.Tick();  // records second 7
    const long before = AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar.Tick());
    }
    state.counters["allocs"] = static_cast<double>(AllocationCount() - before);
}
BENCHMARK(BM_TickSameSecond);

// A new second each time (renews the time text); shows Tick allocates nothing.
void BM_TickNewSecond(benchmark::State& state)
{
    auto clock = std::make_shared<ManualClockSource>(LocalTime{2006, 1, 1, 12, 0, 1});
    TokiCalendar calendar(clock);
    calendar.SetLocation(35, 27, 139, 39, 9);
    int second = 1;
    const long before = AllocationCount();
    for (auto _ : state) {
        second = second % 59 + 1;  // 1..59: never second 0
        clock->Set(LocalTime{2006, 1, 1, 12, 0, second});
        benchmark::DoNotOptimize(calendar.Tick());
    }
    state.counters["allocs"] = static_cast<double>(AllocationCount() - before);
}
BENCHMARK(BM_TickNewSecond);

// The real clock read, for scale.
void BM_SystemClockRead(benchmark::State& state)
{
    SystemClockSource source;
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.Now());
    }
}
BENCHMARK(BM_SystemClockRead);

}  // namespace

BENCHMARK_MAIN();

#pragma once

#include "SolarDay.h"

#include <array>

// The day's table of temporal-hour boundaries, as pure functions of the
// solar day. Entry k is where interval k of the temporal day begins; even k
// a full toki, odd k the half toki after it. 0 = 暁九つ (transit - 720),
// 6 = 明六つ (dawn), 12 = 昼九つ (transit), 18 = 暮六つ (dusk), and 24 the
// next 暁九つ (transit + 720). Whole minutes of the date's local clock time.
constexpr int kTokiBoundaryCount = 25;
using TokiBoundaries = std::array<int, kTokiBoundaryCount>;

struct TokiTable {
    TokiBoundaries boundaries{};
    int sunrise = 0;
    int sunset = 0;
};

// Each quarter of the temporal day (midnight to dawn, dawn to transit,
// transit to dusk, dusk to midnight) cut into six parts.
TokiBoundaries ComputeTokiBoundaries(const SolarDay& day);

// The table of a civil date at a place.
TokiTable ComputeTokiTable(double noonJD, const SolarPlace& place);
TokiTable ComputeTokiTable(int year, int month, int day, const SolarPlace& place);

// The boundary (0..23) a clock at minute of the table's date waits for: the
// first entry after it, past entry 23 searched again one day later. Entry 24
// is reported as 0, which has the same clock time.
int NextBoundaryAfter(const TokiBoundaries& boundaries, int minute);

// The toki (0..23) that ends at boundary next (0..23): the one current while
// the clock waits for it.
constexpr int TokiEndingAt(int next) { return next == 0 ? 23 : next - 1; }

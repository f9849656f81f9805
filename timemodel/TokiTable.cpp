#include "TokiTable.h"

#include <algorithm>

namespace {

constexpr double kOneThird = 0.3333333333333333;

// Cuts the quarter from entry first (at minute start) to entry first + 6 (at
// minute end) into six parts. The middle entry is made whole first and its
// neighbours measured from it; the outer entries from the quarter's ends.
void CutQuarter(TokiBoundaries& e, std::size_t first, int start, int end, double halfSpan)
{
    const double third = halfSpan * kOneThird;
    e[first + 3] = WholeMinute(start + halfSpan);
    e[first + 1] = WholeMinute(start + third);
    e[first + 2] = WholeMinute(e[first + 3] - third);
    e[first + 4] = WholeMinute(e[first + 3] + third);
    e[first + 5] = WholeMinute(end - third);
}

}  // namespace

TokiBoundaries ComputeTokiBoundaries(const SolarDay& day)
{
    TokiBoundaries e{};
    const int v = day.transit;
    const int a = day.dawn;
    const int c = day.dusk;
    e[0] = v - 720;
    e[6] = a;
    e[12] = v;
    e[18] = c;
    e[24] = v + 720;

    CutQuarter(e, 0, e[0], a, (a - e[0]) * 0.5);  // night before dawn
    CutQuarter(e, 6, a, v, (v - a) * 0.5);        // morning
    // Only the afternoon's half-span is an integer division: it loses its
    // half minute.
    CutQuarter(e, 12, v, c, (c - v) / 2);
    CutQuarter(e, 18, c, v + 720, (v + 720 - c) * 0.5);  // night after dusk

    // WholeMinute() rounds negative values up, so where a quarter is (nearly)
    // empty (dawn on the temporal midnight, far north or south) an inner
    // entry could fall outside its quarter or before its neighbour. Keep each
    // quarter's inner entries ordered between its ends; ordinary tables are
    // unchanged.
    for (std::size_t start = 0; start < 24; start += 6) {
        for (std::size_t i = start + 1; i < start + 6; ++i) {
            e[i] = std::min(std::max(e[i], e[i - 1]), e[start + 6]);
        }
    }
    return e;
}

TokiTable ComputeTokiTable(double noonJD, const SolarPlace& place)
{
    const SolarDay day = ComputeSolarDay(noonJD, place);
    TokiTable table;
    table.boundaries = ComputeTokiBoundaries(day);
    table.sunrise = day.sunrise;
    table.sunset = day.sunset;
    return table;
}

TokiTable ComputeTokiTable(int year, int month, int day, const SolarPlace& place)
{
    return ComputeTokiTable(NoonJulianDate(year, month, day, place.timeDiffDays), place);
}

int NextBoundaryAfter(const TokiBoundaries& boundaries, int minute)
{
    const int m = minute;
    if (m < boundaries[0]) {
        return 0;
    }
    for (std::size_t k = 1; k <= 24; ++k) {
        if (boundaries[k] > m) {
            if (k <= 23) {
                return static_cast<int>(k);
            }
            break;
        }
    }
    if (m < boundaries[0] + 1440) {
        return 0;
    }
    for (std::size_t k = 1; k <= 23; ++k) {
        if (boundaries[k] + 1440 > m) {
            return static_cast<int>(k);
        }
    }
    return 0;
}

#include "TokiTable.h"

#include <algorithm>

namespace {

constexpr double kOneThird = 0.3333333333333333;

}  // namespace

// In each quarter the middle entry is made whole first and its neighbours
// measured from it; the outer entries from the quarter's ends. Only the
// afternoon half-span is an integer division (it loses its half minute); the
// others keep the fraction.
TokiBoundaries ComputeTokiBoundaries(const SolarDay& day)
{
    TokiBoundaries e{};
    const int v = day.transit;
    const int a = day.dawn;
    const int c = day.dusk;
    e[6] = a;
    e[12] = v;
    e[18] = c;

    e[0] = v - 720;
    e[24] = v + 720;

    const double h = (v - a) * 0.5;  // morning
    e[9] = WholeMinute(a + h);
    const double eh = h * kOneThird;
    e[7] = WholeMinute(a + eh);
    e[8] = WholeMinute(e[9] - eh);
    e[10] = WholeMinute(e[9] + eh);
    e[11] = WholeMinute(v - eh);

    const int q = (c - v) / 2;  // afternoon
    e[15] = WholeMinute(v + q);
    const double o = q * kOneThird;
    e[13] = WholeMinute(v + o);
    e[14] = WholeMinute(e[15] - o);
    e[16] = WholeMinute(e[15] + o);
    e[17] = WholeMinute(c - o);

    const double r = (a - e[0]) * 0.5;  // night before dawn
    e[3] = WholeMinute(e[0] + r);
    const double s = r * kOneThird;
    e[1] = WholeMinute(e[0] + s);
    e[2] = WholeMinute(e[3] - s);
    e[4] = WholeMinute(e[3] + s);
    e[5] = WholeMinute(a - s);

    const double y = (v + 720 - c) * 0.5;  // night after dusk
    e[21] = WholeMinute(c + y);
    const double z = y * kOneThird;
    e[19] = WholeMinute(c + z);
    e[20] = WholeMinute(e[21] - z);
    e[22] = WholeMinute(e[21] + z);
    e[23] = WholeMinute(v + 720 - z);

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

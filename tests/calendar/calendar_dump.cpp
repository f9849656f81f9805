// Prints the calendar's instants and months of 1900-2100 for the comparison
// with an independent ephemeris (ephem_comparison.py), one record a line:
//   term YEAR INDEX JD DT   the 24 節気 of each year (JST dates), 1899-2100
//   new JD DT / full JD DT  every 朔 and 望 from 1899-11-01 to 2101-01-01 (UT)
//   month FIRSTDAY YEAR MONTH LEAP   every month begun on a JST date of 1900-2100
//   alone YEAR              a 冬至 year numbered from its 冬至 month alone
// Julian dates in UT, to 1e-7 day (9 ms); DT the ΔT used there, in seconds.
#include "CivilDay.h"
#include "DeltaT.h"
#include "LunisolarCalendar.h"
#include "MoonPhases.h"
#include "SolarTerms.h"

#include <cstdio>

namespace {

double DeltaTAt(double jdUt)
{
    return (TerrestrialFromUniversal(jdUt) - jdUt) * 86400.0;
}

}  // namespace

int main()
{
    constexpr int kJst = 540;
    for (int year = 1899; year <= 2100; ++year) {
        for (const SolarTerm& t : SolarTermsOfYear(year, kJst)) {
            std::printf("term %d %d %.7f %.3f\n", year, t.index, t.jdUt, DeltaTAt(t.jdUt));
        }
    }
    const double from = LocalInstant(DayNumberOf({1899, 11, 1}), 0.0, 0);
    const double to = LocalInstant(DayNumberOf({2101, 1, 1}), 0.0, 0);
    for (double jd : MoonPhasesBetween(from, to, MoonPhase::New)) {
        std::printf("new %.7f %.3f\n", jd, DeltaTAt(jd));
    }
    for (double jd : MoonPhasesBetween(from, to, MoonPhase::Full)) {
        std::printf("full %.7f %.3f\n", jd, DeltaTAt(jd));
    }
    const int firstDay = DayNumberOf({1900, 1, 1});
    const int lastDay = DayNumberOf({2100, 12, 31});
    for (int year = 1899; year <= 2100; ++year) {
        const SolsticeYear months = LunarMonthsOfSolsticeYear(year, kJst);
        if (months.numberedFromSolsticeAlone) {
            std::printf("alone %d\n", year);
        }
        for (const LunarMonth& m : months.months) {
            if (m.firstDay >= firstDay && m.firstDay <= lastDay) {
                std::printf("month %d %d %d %d\n", m.firstDay, m.year, m.month, m.leap ? 1 : 0);
            }
        }
    }
    return 0;
}

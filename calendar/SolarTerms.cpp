#include "SolarTerms.h"

#include "CivilDay.h"
#include "DeltaT.h"
#include "SolarLongitude.h"

#include <cmath>

namespace {

constexpr double kTropicalYearDays = 365.2422;
constexpr double kDegreesPerDay = 360.0 / kTropicalYearDays;
// Iterations stop once a step is under this many days (about 1 ms).
constexpr double kDayTolerance = 1e-8;

// longitude difference a - b brought into [-180, 180).
double SignedDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d < -180.0) {
        d += 360.0;
    } else if (d >= 180.0) {
        d -= 360.0;
    }
    return d;
}

}  // namespace

double SolarLongitudeAt(double jdUt)
{
    return ApparentSolarLongitude(TerrestrialFromUniversal(jdUt));
}

double SolarLongitudeInstant(double longitudeDegrees, double nearJdUt)
{
    // The sun's speed varies by about 3.4 % around its mean over the year, so
    // stepping with the mean speed gains that factor per step: under ten
    // steps reach a millisecond.
    double jd = nearJdUt;
    for (int i = 0; i < 50; ++i) {
        const double step =
            SignedDifference(longitudeDegrees, SolarLongitudeAt(jd)) / kDegreesPerDay;
        jd += step;
        if (std::fabs(step) < kDayTolerance) {
            break;
        }
    }
    return jd;
}

double SolarLongitudeInstantOfYear(int year, double longitudeDegrees, int offsetMinutes)
{
    // 春分 comes about 20 March; the sun moves on about a degree a day.
    const double equinox = LocalInstant(DayNumberOf({year, 3, 20}), 720.0, offsetMinutes);
    const double fromEquinox = longitudeDegrees >= 285.0 ? longitudeDegrees - 360.0
                                                         : longitudeDegrees;
    return SolarLongitudeInstant(longitudeDegrees, equinox + fromEquinox / kDegreesPerDay);
}

std::vector<SolarTerm> SolarTermsOfYear(int year, int offsetMinutes)
{
    const int first = DayNumberOf({year, 1, 1});
    const int last = DayNumberOf({year, 12, 31});
    std::vector<SolarTerm> terms;
    for (int k = 19; k < 19 + kSolarTermCount; ++k) {
        SolarTerm term;
        term.index = k % kSolarTermCount;
        term.jdUt = SolarLongitudeInstantOfYear(year, 15.0 * term.index, offsetMinutes);
        const int day = LocalDayNumber(term.jdUt, offsetMinutes);
        if (day >= first && day <= last) {
            terms.push_back(term);
        }
    }
    return terms;
}

SolarTerm LongitudeStepBefore(double jdUt, int stepDegrees)
{
    const int count = 360 / stepDegrees;
    const double longitude = SolarLongitudeAt(jdUt);
    SolarTerm step;
    step.index = static_cast<int>(longitude / stepDegrees) % count;
    const double behind = longitude - stepDegrees * step.index;
    step.jdUt = SolarLongitudeInstant(stepDegrees * step.index, jdUt - behind / kDegreesPerDay);
    if (step.jdUt >= jdUt) {
        // On the very instant: the step before it.
        step.index = (step.index + count - 1) % count;
        step.jdUt =
            SolarLongitudeInstant(stepDegrees * step.index, jdUt - stepDegrees / kDegreesPerDay);
    }
    return step;
}

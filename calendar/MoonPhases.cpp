#include "MoonPhases.h"

#include "DeltaT.h"

#include <cmath>

namespace {

constexpr double kSynodicMonth = 29.530588861;  // days, mean
constexpr double kEpoch = 2451550.09766;        // JDE of the mean new moon of lunation 0
constexpr double kLunationsPerCentury = 1236.85;
constexpr double kDegree = 3.14159265358979323846 / 180.0;

double Sin(double degrees)
{
    return std::sin(degrees * kDegree);
}

// Meeus 49.1: the mean phase, JDE.
double MeanPhase(double k, double t)
{
    return kEpoch + kSynodicMonth * k + t * t * (0.00015437 + t * (-0.000000150 + t * 0.00000000073));
}

// Sum of A sin(argument) of the periodic terms of a new or a full moon: the
// two lists differ only in the first seven coefficients.
double PeriodicTerms(double k, double t, MoonPhase phase)
{
    const double e = 1.0 - t * (0.002516 + t * 0.0000074);  // eccentricity of the Earth's orbit
    const double m = 2.5534 + 29.10535670 * k - t * t * (0.0000014 + t * 0.00000011);
    const double mp =
        201.5643 + 385.81693528 * k + t * t * (0.0107582 + t * (0.00001238 - t * 0.000000058));
    const double f =
        160.7108 + 390.67050284 * k - t * t * (0.0016118 + t * (0.00000227 - t * 0.000000011));
    const double om = 124.7746 - 1.56375588 * k + t * t * (0.0020672 + t * 0.00000215);

    const bool isNew = phase == MoonPhase::New;
    double sum = (isNew ? -0.40720 : -0.40614) * Sin(mp) +
                 (isNew ? 0.17241 : 0.17302) * e * Sin(m) +
                 (isNew ? 0.01608 : 0.01614) * Sin(2 * mp) +
                 (isNew ? 0.01039 : 0.01043) * Sin(2 * f) +
                 (isNew ? 0.00739 : 0.00734) * e * Sin(mp - m) +
                 (isNew ? -0.00514 : -0.00515) * e * Sin(mp + m) +
                 (isNew ? 0.00208 : 0.00209) * e * e * Sin(2 * m);
    sum += -0.00111 * Sin(mp - 2 * f) - 0.00057 * Sin(mp + 2 * f) +
           0.00056 * e * Sin(2 * mp + m) - 0.00042 * Sin(3 * mp) + 0.00042 * e * Sin(m + 2 * f) +
           0.00038 * e * Sin(m - 2 * f) - 0.00024 * e * Sin(2 * mp - m) - 0.00017 * Sin(om) -
           0.00007 * Sin(mp + 2 * m) + 0.00004 * Sin(2 * mp - 2 * f) + 0.00004 * Sin(3 * m) +
           0.00003 * Sin(mp + m - 2 * f) + 0.00003 * Sin(2 * mp + 2 * f) -
           0.00003 * Sin(mp + m + 2 * f) + 0.00003 * Sin(mp - m + 2 * f) -
           0.00002 * Sin(mp - m - 2 * f) - 0.00002 * Sin(3 * mp + m) + 0.00002 * Sin(4 * mp);
    return sum;
}

// The fourteen planetary arguments' terms, the same for every phase.
double PlanetaryTerms(double k, double t)
{
    struct Term {
        double coefficient, base, perLunation;
    };
    // A2..A14; A1 below also drifts with T squared.
    static const Term kTerms[] = {
        {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886}, {0.000126, 349.42, 36.412478},
        {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771}, {0.000060, 207.14, 2.453732},
        {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},  {0.000042, 207.19, 0.121824},
        {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154}, {0.000035, 239.56, 25.513099},
        {0.000023, 331.55, 3.592518},
    };
    double sum = 0.000325 * Sin(299.77 + 0.107408 * k - 0.009173 * t * t);
    for (const Term& term : kTerms) {
        sum += term.coefficient * Sin(term.base + term.perLunation * k);
    }
    return sum;
}

}  // namespace

double MoonPhaseInstant(int lunation, MoonPhase phase)
{
    const double k = lunation + (phase == MoonPhase::Full ? 0.5 : 0.0);
    const double t = k / kLunationsPerCentury;
    const double jde = MeanPhase(k, t) + PeriodicTerms(k, t, phase) + PlanetaryTerms(k, t);
    return UniversalFromTerrestrial(jde);
}

int LunationNear(double jdUt, MoonPhase phase)
{
    const double offset = phase == MoonPhase::Full ? 0.5 : 0.0;
    return static_cast<int>(std::floor((jdUt - kEpoch) / kSynodicMonth - offset + 0.5));
}

double NewMoonAtOrBefore(double jdUt)
{
    int k = LunationNear(jdUt, MoonPhase::New);
    double at = MoonPhaseInstant(k, MoonPhase::New);
    while (at > jdUt) {
        at = MoonPhaseInstant(--k, MoonPhase::New);
    }
    return at;
}

std::vector<double> MoonPhasesBetween(double fromJdUt, double toJdUt, MoonPhase phase)
{
    std::vector<double> instants;
    // One lunation early: a true phase may come up to about 14 hours before
    // or after its mean one.
    for (int k = LunationNear(fromJdUt, phase) - 1;; ++k) {
        const double at = MoonPhaseInstant(k, phase);
        if (at >= toJdUt) {
            break;
        }
        if (at >= fromJdUt) {
            instants.push_back(at);
        }
    }
    return instants;
}

#include "SolarLongitude.h"

#include "Nutation.h"
#include "Vsop87Earth.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerRadian = 180.0 / kPi;
constexpr double kArcsecondsPerDegree = 3600.0;

// sum over k of tau^k times the k-th series, each series a sum of
// A cos(B + C tau); in units of 1e-8.
template <std::size_t N>
double Evaluate(const Vsop87Series (&series)[N], double tau)
{
    double total = 0.0;
    for (std::size_t k = N; k-- > 0;) {
        double sum = 0.0;
        for (std::size_t i = 0; i < series[k].count; ++i) {
            const Vsop87Term& t = series[k].terms[i];
            sum += t.a * std::cos(t.b + t.c * tau);
        }
        total = total * tau + sum;
    }
    return total * 1e-8;
}

double Normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

}  // namespace

double ApparentSolarLongitude(double jde)
{
    const double tau = (jde - kJ2000) / kDaysPerMillennium;
    const double earthLongitude = Evaluate(kEarthLongitude, tau) * kDegreesPerRadian;
    const double radiusAu = Evaluate(kEarthRadius, tau);
    // The sun seen from the Earth: the Earth's heliocentric longitude plus
    // half a turn, in the dynamical system of VSOP87.
    const double geometric = earthLongitude + 180.0;
    // To FK5 (Meeus 25.9): -0.09033"; the latitude's share depends on the
    // sun's latitude, under 1e-3" here, and is left out.
    const double fk5 = -0.09033;
    // Annual aberration: the constant of aberration over the distance.
    const double aberration = -20.4898 / radiusAu;
    const double arcseconds = fk5 + NutationInLongitude(jde) + aberration;
    return Normalized(geometric + arcseconds / kArcsecondsPerDegree);
}

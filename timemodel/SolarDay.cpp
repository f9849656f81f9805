#include "SolarDay.h"

#include <algorithm>
#include <cmath>

namespace {

// The constants are truncated values; changing them moves boundaries by a
// minute on some dates, so they stay exactly as they are.
constexpr double kDegToRad = 0.0174532925;
constexpr double kTurn = 6.2831853;                  // radians in a full turn
constexpr double kMinutesPerRadian = 229.18311831420917;  // 1440 / kTurn
constexpr double kOneSixtieth = 0.016666666666666666;
constexpr double kOneTwentyFourth = 0.041666666666666664;
constexpr double kEpochJD = 2451545.0;
constexpr double kCenturiesPerDay = 2.7378507871321012e-05;
constexpr double kSinDawnAltitude = -0.1284753;     // sun about 7.38 deg below horizon
constexpr double kSinSunriseAltitude = -0.01571;    // about 0.90 deg below horizon
const double kHalfTurnExact = std::atan2(0.0, -1.0);  // what a half-arc clamped to -1 yields

// Half-arc in radians (0..pi) from the moment the sun's centre passes an
// altitude of sin = sinAltitude to transit, for sinLatSinDecl = S and
// cosLatCosDecl = P. Where the sun never reaches that altitude on the date the
// cosine lies outside -1..1: it is clamped, giving pi when the sun stays above
// the altitude all day and 0 when it never rises to it. A NaN (P = 0 at a pole
// with S on the altitude) is taken as staying above.
double HalfArc(double sinAltitude, double sinLatSinDecl, double cosLatCosDecl)
{
    double x = (sinAltitude - sinLatSinDecl) / cosLatCosDecl;
    if (!(x > -1.0)) {
        x = -1.0;
    } else if (x > 1.0) {
        x = 1.0;
    }
    return std::atan2(std::sqrt(1.0 - x * x), x);
}

}  // namespace

SolarPlace MakeSolarPlace(int latDegrees, int latMinutes, int lonDegrees, int lonMinutes,
                          int timeDiffHours)
{
    SolarPlace place;
    place.latitudeRad = DegToRad(latMinutes * kOneSixtieth + latDegrees);
    place.longitudeRad = DegToRad(lonMinutes * kOneSixtieth + lonDegrees);
    place.timeDiffDays = timeDiffHours * kOneTwentyFourth;
    return place;
}

double DegToRad(double degrees)
{
    return degrees * kDegToRad;
}

// Valid for any year; the Gregorian correction is applied to every date (no
// change-over to the Julian calendar). January and February count as months 13
// and 14 of the year before.
double JulianDay(double year, double month, double day)
{
    if (month < 3) {
        month = month + 12;
        year = year - 1;
    }
    const double a = std::trunc(year * 0.01);
    const double b = 2 - a + std::trunc(a * 0.25);
    const double c = std::trunc(365.25 * year);
    const double f = std::floor(30.6001 * (month + 1));
    return f + c + b + day + 1720994.5;
}

double NoonJulianDate(int year, int month, int day, double timeDiffDays)
{
    return (JulianDay(year, month, day) - timeDiffDays) + 0.5;
}

// Angles in degrees until converted.
SolarDay ComputeSolarDay(double noonJD, const SolarPlace& place)
{
    const double d = noonJD - kEpochJD;  // days from J2000.0
    const double T = d * kCenturiesPerDay;  // Julian centuries
    const double M = DegToRad(d * 0.98560028 + 357.5291);  // mean anomaly, not reduced
    const double lonPrime = 0.02 * std::sin(2 * M) + 1.92 * std::sin(M) + (T * T) * 0.0003 +
                            d * 0.98564736 + 280.4664;
    double L = std::fmod(lonPrime, 360.0);  // ecliptic longitude, degrees
    if (L < 0) {
        L = L + 360;
    }
    const double obliquity = 23.43929 - 0.13004 * T;
    const double sinL = std::sin(DegToRad(L));
    const double decl = std::asin(sinL * std::sin(DegToRad(obliquity)));
    const double cosDecl = std::cos(decl);
    double alpha = std::atan2(sinL * std::cos(DegToRad(obliquity)) / cosDecl,
                              std::cos(DegToRad(L)) / cosDecl);  // right ascension
    if (alpha < 0) {
        alpha = alpha + kTurn;
    }
    double g = std::fmod(628.331961 * T + 1.753364748, kTurn);  // mean-sun angle
    if (g < 0) {
        g = g + kTurn;
    }
    // Clock time of transit as a fraction of a turn (0 = 00:00, a turn = 24:00).
    double tau = std::fmod(alpha - place.longitudeRad - g + place.timeDiffDays * kTurn, kTurn);
    if (tau < 0) {
        tau = tau + kTurn;
    }

    const double S = std::sin(place.latitudeRad) * std::sin(decl);
    const double P = std::cos(place.latitudeRad) * cosDecl;
    const double h6 = HalfArc(kSinDawnAltitude, S, P);
    const double h0 = HalfArc(kSinSunriseAltitude, S, P);

    const double K = kMinutesPerRadian;
    const double u = (tau - h6) * K;
    const double t = (tau + h6) * K;
    SolarDay day;
    day.transit = WholeMinute(tau * K);
    if (h6 >= kHalfTurnExact) {
        // The sun stays above the dawn altitude all day: the temporal day
        // fills the whole day, from one temporal midnight to the next.
        day.dawn = day.transit - 720;
        day.dusk = day.transit + 720;
    } else {
        // Near that limit rounding must not push dawn or dusk past the
        // temporal midnights.
        day.dawn = std::max(WholeMinute(std::min(u, t)), day.transit - 720);
        day.dusk = std::min(WholeMinute(std::max(u, t)), day.transit + 720);
    }
    day.sunrise = WholeMinute((tau - h0) * K);
    day.sunset = WholeMinute((tau + h0) * K);
    return day;
}

#include "DeltaT.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerYear = 365.25;

// The long-term parabola, ΔT = -20 + 32 u², u in centuries from 1820.
double Parabola(double y)
{
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

// Horner's rule over coefficients c[0] + c[1] t + c[2] t² + ...
template <int N>
double Poly(double t, const double (&c)[N])
{
    double sum = 0.0;
    for (int i = N - 1; i >= 0; --i) {
        sum = sum * t + c[i];
    }
    return sum;
}

double DecimalYear(double jd)
{
    return 2000.0 + (jd - kJ2000) / kDaysPerYear;
}

}  // namespace

double DeltaTSeconds(double y)
{
    if (y < -500.0) {
        return Parabola(y);
    }
    if (y < 500.0) {
        static const double c[] = {10583.6, -1014.41, 33.78311, -5.952053,
                                   -0.1798452, 0.022174192, 0.0090316521};
        return Poly(y / 100.0, c);
    }
    if (y < 1600.0) {
        static const double c[] = {1574.2, -556.01, 71.23472, 0.319781,
                                   -0.8503463, -0.005050998, 0.0083572073};
        return Poly((y - 1000.0) / 100.0, c);
    }
    if (y < 1700.0) {
        static const double c[] = {120.0, -0.9808, -0.01532, 1.0 / 7129.0};
        return Poly(y - 1600.0, c);
    }
    if (y < 1800.0) {
        static const double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0};
        return Poly(y - 1700.0, c);
    }
    if (y < 1860.0) {
        static const double c[] = {13.72,      -0.332447,  0.0068612,     0.0041116,
                                   -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return Poly(y - 1800.0, c);
    }
    if (y < 1900.0) {
        static const double c[] = {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624,
                                   1.0 / 233174.0};
        return Poly(y - 1860.0, c);
    }
    if (y < 1920.0) {
        static const double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return Poly(y - 1900.0, c);
    }
    if (y < 1941.0) {
        static const double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return Poly(y - 1920.0, c);
    }
    if (y < 1961.0) {
        static const double c[] = {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0};
        return Poly(y - 1950.0, c);
    }
    if (y < 1986.0) {
        static const double c[] = {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0};
        return Poly(y - 1975.0, c);
    }
    if (y < 2005.0) {
        static const double c[] = {63.86,     0.3345,      -0.060374,
                                   0.0017275, 0.000651814, 0.00002373599};
        return Poly(y - 2000.0, c);
    }
    if (y < 2050.0) {
        static const double c[] = {62.92, 0.32217, 0.005589};
        return Poly(y - 2000.0, c);
    }
    if (y < 2150.0) {
        return Parabola(y) - 0.5628 * (2150.0 - y);
    }
    return Parabola(y);
}

double TerrestrialFromUniversal(double jdUt)
{
    return jdUt + DeltaTSeconds(DecimalYear(jdUt)) / kSecondsPerDay;
}

double UniversalFromTerrestrial(double jde)
{
    // ΔT changes by well under a second a day: one step back from TT lands
    // within microseconds of the UT instant.
    const double guess = jde - DeltaTSeconds(DecimalYear(jde)) / kSecondsPerDay;
    return jde - DeltaTSeconds(DecimalYear(guess)) / kSecondsPerDay;
}

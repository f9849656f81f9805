#pragma once

#include <cstddef>

// The Earth's heliocentric ecliptic coordinates referred to the mean
// ecliptic and equinox of date: the periodic terms of the VSOP87D theory
// (Bretagnon and Francou, 1988) as Meeus truncates them in "Astronomical
// Algorithms" (2nd ed., Appendix III), good to about 1" in longitude.
//
// Each series is a sum of A cos(B + C tau), tau in Julian millennia of TT
// from J2000.0; A in units of 1e-8 (radians, or AU for the radius).
struct Vsop87Term {
    double a;
    double b;
    double c;
};

struct Vsop87Series {
    const Vsop87Term* terms;
    std::size_t count;
};

// L0..L5: longitude; B0, B1: latitude; R0..R4: radius vector.
extern const Vsop87Series kEarthLongitude[6];
extern const Vsop87Series kEarthLatitude[2];
extern const Vsop87Series kEarthRadius[5];

#pragma once

// The sun's apparent geocentric ecliptic longitude: where the sun is seen
// along the ecliptic, measured from the true equinox of date. Meeus,
// "Astronomical Algorithms" (2nd ed., ch. 25, "higher accuracy"): the
// Earth's VSOP87 position (Vsop87Earth.h) turned around to the sun, brought
// to the FK5 system, plus the nutation in longitude (Nutation.h) and the
// aberration of light. Good to about 1".
//
// jde: Julian date in TT. Returns degrees in [0, 360).
double ApparentSolarLongitude(double jde);

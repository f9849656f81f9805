#pragma once

// Nutation in longitude, Δψ: how far the true equinox of date lies from the
// mean one along the ecliptic. The IAU 1980 theory of nutation, all 63 terms
// as Meeus gives them ("Astronomical Algorithms", 2nd ed., ch. 22, table
// 22.A); good to about 0.001".
//
// jde: Julian date in TT. Returns arcseconds.
double NutationInLongitude(double jde);

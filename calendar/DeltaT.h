#pragma once

// ΔT = TT − UT, the difference between Terrestrial Time, in which the sun's
// and the moon's motions are computed, and Universal Time, which the clocks
// keep. Espenak and Meeus' polynomials ("Five Millennium Canon of Solar
// Eclipses", NASA TP-2006-214141): fitted to observation up to 2005 and
// extrapolated after it (about 93 s in 2050, 203 s in 2100).

// Seconds at a decimal year (2024.5 is the middle of 2024).
double DeltaTSeconds(double decimalYear);

// Julian dates: TT from UT and back.
double TerrestrialFromUniversal(double jdUt);
double UniversalFromTerrestrial(double jde);

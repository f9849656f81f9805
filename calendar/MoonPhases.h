#pragma once

#include <vector>

// 朔 and 望: the instants of the new and the full moon, when the moon's
// apparent longitude equals the sun's or lies opposite it. Meeus,
// "Astronomical Algorithms" (2nd ed., ch. 49): a mean lunation corrected by
// the periodic terms of the sun's and the moon's anomalies, the moon's
// argument of latitude and its node, and fourteen planetary arguments.
// Meeus finds it within 17 s of ELP-2000/82 over 1980-2020.

enum class MoonPhase { New, Full };

// Lunation 0 is the new moon of 6 January 2000; lunation k the k-th after it.
// Returns the instant as a Julian date in UT (ΔT from DeltaT.h).
double MoonPhaseInstant(int lunation, MoonPhase phase);

// The lunation whose phase falls nearest to the instant jdUt.
int LunationNear(double jdUt, MoonPhase phase);

// The latest new moon at or before jdUt, in UT.
double NewMoonAtOrBefore(double jdUt);

// Every new (or full) moon with from <= instant < to, in order; instants in UT.
std::vector<double> MoonPhasesBetween(double fromJdUt, double toJdUt, MoonPhase phase);

#pragma once

#include <vector>

// The 24 節気: the instants the sun's apparent longitude reaches a multiple
// of 15 degrees. A term's index is its longitude / 15: 0 = 春分, 6 = 夏至,
// 12 = 秋分, 18 = 冬至, 21 = 立春. Even indices are the 中気, odd ones the 節.
constexpr int kSolarTermCount = 24;

struct SolarTerm {
    int index = 0;       // 0..23, longitude / 15
    double jdUt = 0.0;   // the instant, Julian date in UT
};

// The instant (Julian date, UT) at which the sun's apparent longitude reaches
// longitudeDegrees, the one nearest to nearJdUt (which must lie within about
// five months of it).
double SolarLongitudeInstant(double longitudeDegrees, double nearJdUt);

// The instant at which the sun reaches longitudeDegrees in the place's year:
// 285 (小寒, early January) and above, up to 360, lie at the year's start,
// below 285 after them.
double SolarLongitudeInstantOfYear(int year, double longitudeDegrees, int offsetMinutes);

// The sun's apparent longitude, in degrees [0, 360), at an instant in UT.
double SolarLongitudeAt(double jdUt);

// The 24 terms whose instants fall on the place's dates of year, in order of
// time: 小寒 (index 19) first, 冬至 (18) last.
std::vector<SolarTerm> SolarTermsOfYear(int year, int offsetMinutes);

// The latest instant before jdUt at which the sun's longitude reached a
// multiple of stepDegrees (15: the 節気, 5: the 七十二候), with that
// multiple's index, longitude / stepDegrees.
SolarTerm LongitudeStepBefore(double jdUt, int stepDegrees);

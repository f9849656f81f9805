#pragma once

// The sun's day at one place on one civil date, as pure functions: a
// low-precision solar ephemeris evaluated once, at local noon of the date.
//
// Results are whole minutes of local clock time counted from 00:00 of the
// date. They may be negative (before that midnight) or 1440 and more.

// A place as the ephemeris takes it.
struct SolarPlace {
    double latitudeRad = 0.0;   // north positive
    double longitudeRad = 0.0;  // east positive
    double timeDiffDays = 0.0;  // how far the local clock is ahead of Universal Time
};

// The instants of the day the temporal hours are built from.
struct SolarDay {
    int transit = 0;  // the sun crosses the meridian
    // The sun's centre about 7.38 degrees below the horizon, morning and
    // evening; each kept within 720 minutes of transit.
    int dawn = 0;
    int dusk = 0;
    // The sun's centre about 0.90 degrees below the horizon.
    int sunrise = 0;
    int sunset = 0;
};

// Degrees and minutes as entered (minutes added with the sign the degrees
// carry), and hours the local clock is ahead of Universal Time.
SolarPlace MakeSolarPlace(int latDegrees, int latMinutes, int lonDegrees, int lonMinutes,
                          int timeDiffHours);

// Degrees to radians with the model's truncated factor.
double DegToRad(double degrees);
// Julian date of 0h UT at the start of a proleptic Gregorian civil date.
double JulianDay(double year, double month, double day);
// Julian date of 12:00 local clock time of the civil date.
double NoonJulianDate(int year, int month, int day, double timeDiffDays);

// The solar day around the local noon noonJD (a NoonJulianDate) at place.
SolarDay ComputeSolarDay(double noonJD, const SolarPlace& place);

// The model's rounding to a whole minute: add 0.5, drop the fraction toward
// zero. Negative values therefore round towards zero (-5.67 gives -5): the
// tables rely on this exact rule.
inline int WholeMinute(double x)
{
    return static_cast<int>(x + 0.5);
}

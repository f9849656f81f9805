#include "TokiCalendar.h"

#include "TokiNames.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The constants are truncated values; changing them moves boundaries by a
// minute on some dates, so they stay exactly as they are.
constexpr double kDegToRad = 0.0174532925;
constexpr double kTurn = 6.2831853;                  // radians in a full turn
constexpr double kMinutesPerRadian = 229.18311831420917;  // 1440 / kTurn
constexpr double kOneSixtieth = 0.016666666666666666;
constexpr double kOneTwentyFourth = 0.041666666666666664;
constexpr double kOneThird = 0.3333333333333333;
constexpr double kEpochJD = 2451545.0;
constexpr double kCenturiesPerDay = 2.7378507871321012e-05;
constexpr double kSinDawnAltitude = -0.1284753;     // sun about 7.38 deg below horizon
constexpr double kSinSunriseAltitude = -0.01571;    // about 0.90 deg below horizon
const double kHalfTurnExact = std::atan2(0.0, -1.0);  // what a half-arc clamped to -1 yields

// Add 0.5, drop the fraction toward zero. Negative values therefore round
// towards zero (-5.67 gives -5): the table relies on this exact rule.
int Whole(double x)
{
    return static_cast<int>(x + 0.5);
}

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

TokiCalendar::TokiCalendar(std::shared_ptr<const ClockSource> clock)
    : clock_(clock ? std::move(clock) : SystemClock())
{
    boundaries.fill(kNoBoundary);
    timeText.reserve(15);  // "%H:%M:%S" always fits the small-string buffer
}

double TokiCalendar::DegToRad(double degrees)
{
    return degrees * kDegToRad;
}

// Valid for any year; the Gregorian correction is applied to every date (no
// change-over to the Julian calendar). January and February count as months 13
// and 14 of the year before.
double TokiCalendar::JulianDay(double year, double month, double day)
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

void TokiCalendar::StoreLocation(int latDeg, int latMin, int lonDeg, int lonMin, int timeDiff)
{
    latDegrees = latDeg;
    latMinutes = latMin;
    lonDegrees = lonDeg;
    lonMinutes = lonMin;
    latitudeRad = DegToRad(latMinutes * kOneSixtieth + latDegrees);
    longitudeRad = DegToRad(lonMinutes * kOneSixtieth + lonDegrees);
    timeDiffHours = timeDiff;
    timeDiffDays = timeDiffHours * kOneTwentyFourth;
}

void TokiCalendar::ReadClock()
{
    const LocalTime t = clock_->Now();
    clockYear = t.year;
    clockMonth = t.month;
    clockDay = t.day;
    clockHour = t.hour;
    clockMinute = t.minute;
    clockSecond = t.second;
}

void TokiCalendar::ComputeNoonJD()
{
    noonJD = (JulianDay(clockYear, clockMonth, clockDay) - timeDiffDays) + 0.5;
}

void TokiCalendar::ClearBoundaries()
{
    boundaries.fill(kNoBoundary);
}

void TokiCalendar::ComputeBoundaries()
{
    ComputeSolarInstants();
    FillQuarters();
}

// Low-precision solar ephemeris evaluated once, at local noon of the table's
// date. Angles in degrees until converted; results in clock minutes. Sets
// transit (entry 12), dawn (entry 6), dusk (entry 18), sunrise and sunset.
void TokiCalendar::ComputeSolarInstants()
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
    double tau = std::fmod(alpha - longitudeRad - g + timeDiffDays * kTurn, kTurn);
    if (tau < 0) {
        tau = tau + kTurn;
    }

    const double S = std::sin(latitudeRad) * std::sin(decl);
    const double P = std::cos(latitudeRad) * cosDecl;
    const double h6 = HalfArc(kSinDawnAltitude, S, P);
    const double h0 = HalfArc(kSinSunriseAltitude, S, P);

    const double K = kMinutesPerRadian;
    const double u = (tau - h6) * K;
    const double t = (tau + h6) * K;
    const int transit = Whole(tau * K);
    boundaries[12] = transit;
    if (h6 >= kHalfTurnExact) {
        // The sun stays above the dawn altitude all day: the temporal day
        // fills the whole day, from one temporal midnight to the next.
        boundaries[6] = transit - 720;
        boundaries[18] = transit + 720;
    } else {
        // Near that limit rounding must not push dawn or dusk past the
        // temporal midnights.
        boundaries[6] = std::max(Whole(std::min(u, t)), transit - 720);
        boundaries[18] = std::min(Whole(std::max(u, t)), transit + 720);
    }
    sunriseMinute = Whole((tau - h0) * K);
    sunsetMinute = Whole((tau + h0) * K);
}

// Cuts each quarter of the temporal day into six parts. In each quarter the
// middle entry is made whole first and its neighbours measured from it; the
// outer entries from the quarter's ends. Only the afternoon half-span is an
// integer division (it loses its half minute); the others keep the fraction.
void TokiCalendar::FillQuarters()
{
    int* e = boundaries.data();
    const int v = e[12];  // transit
    const int a = e[6];   // dawn
    const int c = e[18];  // dusk

    e[0] = v - 720;
    e[24] = v + 720;

    const double h = (v - a) * 0.5;  // morning
    e[9] = Whole(a + h);
    const double eh = h * kOneThird;
    e[7] = Whole(a + eh);
    e[8] = Whole(e[9] - eh);
    e[10] = Whole(e[9] + eh);
    e[11] = Whole(v - eh);

    const int q = (c - v) / 2;  // afternoon
    e[15] = Whole(v + q);
    const double o = q * kOneThird;
    e[13] = Whole(v + o);
    e[14] = Whole(e[15] - o);
    e[16] = Whole(e[15] + o);
    e[17] = Whole(c - o);

    const double r = (a - e[0]) * 0.5;  // night before dawn
    e[3] = Whole(e[0] + r);
    const double s = r * kOneThird;
    e[1] = Whole(e[0] + s);
    e[2] = Whole(e[3] - s);
    e[4] = Whole(e[3] + s);
    e[5] = Whole(a - s);

    const double y = (v + 720 - c) * 0.5;  // night after dusk
    e[21] = Whole(c + y);
    const double z = y * kOneThird;
    e[19] = Whole(c + z);
    e[20] = Whole(e[21] - z);
    e[22] = Whole(e[21] + z);
    e[23] = Whole(v + 720 - z);

    // Whole() rounds negative values up, so where a quarter is (nearly) empty
    // (dawn on the temporal midnight, far north or south) an inner entry could
    // fall outside its quarter or before its neighbour. Keep each quarter's
    // inner entries ordered between its ends; ordinary tables are unchanged.
    for (int start = 0; start < 24; start += 6) {
        for (int i = start + 1; i < start + 6; ++i) {
            e[i] = std::min(std::max(e[i], e[i - 1]), e[start + 6]);
        }
    }
}

// Finds the boundary after clock minute + offset (every caller passes 1, so a
// fresh location in the minute before a boundary reports the toki beginning
// there). Past entry 23 the table is searched again one day later.
void TokiCalendar::LocateToki(int offsetMinutes)
{
    const int m = clockHour * 60 + clockMinute + offsetMinutes;
    int next = -1;
    if (m < boundaries[0]) {
        next = 0;
    } else {
        for (int k = 1; k <= 24; ++k) {
            if (boundaries[k] > m) {
                if (k <= 23) {
                    next = k;
                }
                break;
            }
        }
    }
    if (next < 0) {
        if (m < boundaries[0] + 1440) {
            next = 0;
        } else {
            next = 0;
            for (int k = 1; k <= 23; ++k) {
                if (boundaries[k] + 1440 > m) {
                    next = k;
                    break;
                }
            }
        }
    }
    nextBoundary = next;
    currentToki = next == 0 ? 23 : next - 1;
    UpdateNextBoundaryClock();
}

void TokiCalendar::UpdateNextBoundaryClock()
{
    const int b = boundaries[nextBoundary];
    if (b < 0) {
        nextBoundaryHour = (b + 1440) / 60;
        nextBoundaryMinute = (b + 1440) % 60;
    } else {
        nextBoundaryHour = b / 60;
        nextBoundaryMinute = b % 60;
        if (nextBoundaryHour > 23) {
            nextBoundaryHour -= 24;
        }
    }
}

void TokiCalendar::SetLocation(int latDeg, int latMin, int lonDeg, int lonMin, int timeDiff)
{
    StoreLocation(latDeg, latMin, lonDeg, lonMin, timeDiff);
    ReadClock();
    ComputeNoonJD();
    ClearBoundaries();
    ComputeBoundaries();
    LocateToki(1);
}

void TokiCalendar::SetDate(int year, int month, int day)
{
    clockYear = year;
    clockMonth = month;
    clockDay = day;
    ComputeNoonJD();
    ClearBoundaries();
    ComputeBoundaries();
    LocateToki(1);
}

void TokiCalendar::SetAlarmTime(int hour, int minute)
{
    alarmAtHour = hour;
    alarmAtMinute = minute;
}

int TokiCalendar::Tick()
{
    const LocalTime t = clock_->Now();
    clockHour = t.hour;
    clockMinute = t.minute;
    clockSecond = t.second;
    if (t.second == lastSecond) {
        return 0;
    }
    lastSecond = t.second;

    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour % 100, t.minute % 100,
                  t.second % 100);
    timeText.assign(text);

    if (t.second != 0) {
        return 0;
    }
    // The whole date is compared: a machine suspended from one month or year
    // to the same day of another must not keep the old table.
    if (t.day != clockDay || t.month != clockMonth || t.year != clockYear) {
        SetDate(t.year, t.month, t.day);
    }

    int events = 0;
    if (clockMinute == nextBoundaryMinute && clockHour == nextBoundaryHour) {
        events = (currentToki % 2 != 0) ? TICK_FULL_TOKI : TICK_HALF_TOKI;
        LocateToki(1);
    }
    if (clockMinute == alarmAtMinute && clockHour == alarmAtHour) {
        events |= TICK_ALARM;
    }
    if (clockMinute == 0) {
        events |= TICK_HOUR;
    }
    if (clockMinute == 30) {
        events |= TICK_HALF_HOUR;
    }
    if (clockDay == 31 && clockMonth == 12 && currentToki == 0 && clockHour > 22) {
        events |= TICK_JOYA;
    }
    return events;
}

int TokiCalendar::GetBoundary(int i) const
{
    if (i < 0 || i >= kBoundaryCount) {
        return kNoBoundary;
    }
    return boundaries[static_cast<std::size_t>(i)];
}

void TokiCalendar::LoadBranchNames()
{
    for (int k = 0; k < kTokiCount; ++k) {
        tokiNames[static_cast<std::size_t>(k)] = kBranchNames[k];
    }
    tokiNames[24] = kBranchNames[0];
}

void TokiCalendar::LoadPlainNames()
{
    for (int k = 0; k < kTokiCount; ++k) {
        tokiNames[static_cast<std::size_t>(k)] = kPlainNames[k];
    }
    tokiNames[24] = kPlainNames[0];
}

std::string TokiCalendar::GetTokiName(int i) const
{
    if (i < 0 || i >= kBoundaryCount) {
        return {};
    }
    return tokiNames[static_cast<std::size_t>(i)];
}

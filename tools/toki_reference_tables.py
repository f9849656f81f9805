#!/usr/bin/python3
"""Day tables of toki boundaries, worked out afresh from the formulas.

An independent re-derivation for the time model's tests: it shares no code with
timemodel/ and follows the published steps one by one (solar position at local
noon, half-arcs, instants in whole minutes, the four quarters each cut into
six). Run from the repository root:

    /usr/bin/python3 tools/toki_reference_tables.py

It prints one C++ table row per case, ready to paste into
tests/timemodel/toki_calendar_table_test.cpp, and below each row the values
that are negative before they are made whole (where "add 0.5 and drop the
fraction toward zero" differs from rounding down).
"""

import math

DEG = 0.0174532925          # degrees to radians, truncated as the model has it
TURN = 6.2831853            # a full turn, truncated
K = 229.18311831420917      # clock minutes per radian = 1440 / TURN
SIXTIETH = 0.016666666666666666
TWENTY_FOURTH = 0.041666666666666664
THIRD = 0.3333333333333333
CENTURY = 2.7378507871321012e-05
SIN_DAWN = -0.1284753
SIN_SUNRISE = -0.01571

SOLAR_INSTANTS = ("transit", "dawn", "dusk", "sunrise", "sunset")
negatives = []  # values below -0.5 with a fraction, for the report
fragile = []    # solar instants within a hair of a half minute


def whole(x, label):
    """Add 0.5, drop the fraction toward zero (so -5.67 gives -5)."""
    if x + 0.5 < 0 and x + 0.5 != math.floor(x + 0.5):
        negatives.append(f"{label} {x:.3f}")
    # The sun's instants come from the platform's sine and arc tangent; one a
    # hair from a half minute could be a minute off elsewhere. The rest is
    # IEEE addition and multiplication, exact to the bit on every platform.
    if label in SOLAR_INSTANTS and abs(x + 0.5 - round(x + 0.5)) < 1e-6:
        fragile.append(f"{label} {x!r}")
    return math.trunc(x + 0.5)


def julian_day(year, month, day):
    if month < 3:
        month += 12
        year -= 1
    a = math.trunc(year * 0.01)
    b = 2 - a + math.trunc(a * 0.25)
    c = math.trunc(365.25 * year)
    f = math.floor(30.6001 * (month + 1))
    return f + c + b + day + 1720994.5


def half_arc(sin_altitude, s, p):
    """Half-arc from the sun's crossing of the altitude to transit."""
    x = (sin_altitude - s) / p
    if not -1 <= x <= 1:
        raise ValueError("the sun does not cross that altitude on this date")
    return math.atan2(math.sqrt(1 - x * x), x)


def table(year, month, day, lat_d, lat_m, lon_d, lon_m, tz=9):
    """25 boundaries, sunrise, sunset in clock minutes of the date."""
    lat = (lat_m * SIXTIETH + lat_d) * DEG
    lon = (lon_m * SIXTIETH + lon_d) * DEG
    tz_days = tz * TWENTY_FOURTH
    noon = (julian_day(year, month, day) - tz_days) + 0.5

    d = noon - 2451545.0
    t = d * CENTURY
    m = (d * 0.98560028 + 357.5291) * DEG
    lp = 0.02 * math.sin(2 * m) + 1.92 * math.sin(m) + (t * t) * 0.0003 \
        + d * 0.98564736 + 280.4664
    ecl = math.fmod(lp, 360)
    if ecl < 0:
        ecl += 360
    obl = 23.43929 - 0.13004 * t
    decl = math.asin(math.sin(ecl * DEG) * math.sin(obl * DEG))
    ra = math.atan2(math.sin(ecl * DEG) * math.cos(obl * DEG) / math.cos(decl),
                    math.cos(ecl * DEG) / math.cos(decl))
    if ra < 0:
        ra += TURN
    g = math.fmod(628.331961 * t + 1.753364748, TURN)
    if g < 0:
        g += TURN
    tau = math.fmod(ra - lon - g + tz_days * TURN, TURN)
    if tau < 0:
        tau += TURN

    s = math.sin(lat) * math.sin(decl)
    p = math.cos(lat) * math.cos(decl)
    h6 = half_arc(SIN_DAWN, s, p)
    h0 = half_arc(SIN_SUNRISE, s, p)

    e = [None] * 25
    v = e[12] = whole(tau * K, "transit")
    a = whole((tau - h6) * K, "dawn")
    c = whole((tau + h6) * K, "dusk")
    e[6], e[18] = a, c
    sunrise = whole((tau - h0) * K, "sunrise")
    sunset = whole((tau + h0) * K, "sunset")

    e[0] = v - 720
    e[24] = v + 720

    def quarter(start, middle_from, half, third_of_half, end):
        i = start
        e[i + 3] = whole(middle_from + half, f"entry {i + 3}")
        e[i + 1] = whole(e[i] + third_of_half, f"entry {i + 1}")
        e[i + 2] = whole(e[i + 3] - third_of_half, f"entry {i + 2}")
        e[i + 4] = whole(e[i + 3] + third_of_half, f"entry {i + 4}")
        e[i + 5] = whole(end - third_of_half, f"entry {i + 5}")

    r = (a - e[0]) * 0.5              # night before dawn
    quarter(0, e[0], r, r * THIRD, a)
    h = (v - a) * 0.5                 # morning
    quarter(6, a, h, h * THIRD, v)
    q = math.trunc((c - v) / 2)       # afternoon: integer half-span
    quarter(12, v, q, q * THIRD, c)
    y = (v + 720 - c) * 0.5           # night after dusk
    quarter(18, c, y, y * THIRD, v + 720)

    assert all(e[i] <= e[i + 1] for i in range(24)), e
    return e, sunrise, sunset


# Corners of what the settings dialog accepts (east longitude 122 to 153
# degrees 59 minutes; latitude is not limited) at the northern and southern ends
# of Japan, on dates where values made whole are negative, and two far-north
# cases where the night is short or the sun does not set.
CASES = [
    ("East153North45Jun21", 2006, 6, 21, 45, 30, 153, 59),
    ("East153North45Dec31", 2006, 12, 31, 45, 30, 153, 59),
    ("East153South24Dec31", 2006, 12, 31, 24, 0, 153, 0),
    ("East148North45Jun21", 2006, 6, 21, 45, 30, 148, 0),
    ("West122North45Jun21", 2006, 6, 21, 45, 30, 122, 0),
    ("West122South24Dec21", 2006, 12, 21, 24, 0, 122, 0),
    ("East153North66May03", 2006, 5, 3, 66, 0, 153, 0),
]


def main():
    for name, y, mo, d, lat_d, lat_m, lon_d, lon_m in CASES:
        negatives.clear()
        fragile.clear()
        e, sunrise, sunset = table(y, mo, d, lat_d, lat_m, lon_d, lon_m)
        print(f'    {{"{name}", {y}, {mo}, {d}, {lat_d}, {lat_m}, {lon_d}, {lon_m},')
        print("     {" + ", ".join(map(str, e[:13])) + ",")
        print("      " + ", ".join(map(str, e[13:])) + "},")
        print(f"     {sunrise}, {sunset}}},")
        print("    // negative before made whole: " + ("; ".join(negatives) or "none"))
        if fragile:
            print("    // WITHIN A HAIR OF A HALF MINUTE: " + "; ".join(fragile))


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Compares the calendar with PyEphem, an ephemeris that shares no code with it.

usage: ephem_comparison.py CALENDAR_DUMP

Runs CALENDAR_DUMP (tests/calendar/calendar_dump.cpp) and works out the same
things afresh from PyEphem (Debian's python3-ephem: VSOP87 for the sun, its
own lunar theory and ΔT table):

  * every 節気 of 1900-2100 (the sun's apparent longitude at a multiple of
    15°, found by iterating on PyEphem's apparent place of the sun) and every
    朔 and 望 (ephem.next_new_moon, ephem.next_full_moon): each of ours must
    lie within one minute of PyEphem's;
  * every month of the 旧暦 from 1900 to 2100, by the rule written out again
    below from PyEphem's instants: first day, number and leap flag must
    agree, and the rule must fail to number the months only in the 冬至 year
    of 2032.

Prints the largest differences in seconds, in UT as the clock shows them, and
in TT, which leaves out the two ΔT models' difference. Exits 1 on any fault.
"""

import bisect
import math
import subprocess
import sys

import ephem

DUBLIN_JD = 2415020.0            # the Julian date of ephem.Date(0)
JST = 9.0 / 24.0                 # days the place's clock is ahead of UT
DEGREES_PER_DAY = 360.0 / 365.2422
LIMIT_SECONDS = 60.0
FIRST_YEAR, LAST_YEAR = 1900, 2100

SUN = ephem.Sun()


def date_of(jd):
    return ephem.Date(jd - DUBLIN_JD)


def jd_of(date):
    return float(date) + DUBLIN_JD


def sun_longitude(jd):
    """The sun's apparent longitude in degrees: PyEphem's apparent place of
    date turned to ecliptic coordinates of date."""
    d = date_of(jd)
    SUN.compute(d, epoch=d)
    ecl = ephem.Ecliptic(ephem.Equatorial(SUN.ra, SUN.dec, epoch=d), epoch=d)
    return math.degrees(ecl.lon)


def longitude_instant(longitude, guess):
    jd = guess
    for _ in range(40):
        step = ((longitude - sun_longitude(jd) + 180.0) % 360.0 - 180.0) / DEGREES_PER_DAY
        jd += step
        if abs(step) < 1e-8:
            break
    return jd


def jst_day(jd):
    """The Julian day number of the JST date of an instant."""
    return math.floor(jd + 0.5 + JST)


def civil_jdn(y, m, d):
    a = (14 - m) // 12
    yy = y + 4800 - a
    mm = m + 12 * a - 3
    return d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - yy // 100 + yy // 400 - 32045


def reference_terms(first_year, last_year):
    """{(year, index): jd} for the terms on the JST dates of each year."""
    terms = {}
    for year in range(first_year - 1, last_year + 2):
        equinox = civil_jdn(year, 3, 20)
        for index in range(24):
            longitude = 15.0 * index
            ahead = (longitude + 75.0) % 360.0 - 75.0
            jd = longitude_instant(longitude, equinox + ahead / DEGREES_PER_DAY)
            y = civil_from_jdn(jst_day(jd))[0]
            terms[(y, index)] = jd
    return terms


def civil_from_jdn(n):
    a = n + 32044
    b = (4 * a + 3) // 146097
    c = a - 146097 * b // 4
    d = (4 * c + 3) // 1461
    e = c - 1461 * d // 4
    m = (5 * e + 2) // 153
    return (100 * b + d - 4800 + m // 10, m + 3 - 12 * (m // 10), e - (153 * m + 2) // 5 + 1)


def reference_phases(next_phase, first_jd, last_jd):
    out = []
    d = date_of(first_jd)
    while True:
        d = next_phase(d)
        if jd_of(d) >= last_jd:
            return out
        out.append(jd_of(d))


def number_months(terms, new_moon_days, solstice_year):
    """The months of the 冬至 year as (first day, month, leap), and whether
    the four-month rule numbered them."""
    # 冬至 of solstice_year, then 大寒 ... 小雪 and the next 冬至.
    keys = [(solstice_year, 18)] + [(solstice_year + 1, (20 + 2 * j) % 24) for j in range(12)]
    zhongqi = [jst_day(terms[k]) for k in keys]

    def holder(day):
        return bisect.bisect_right(new_moon_days, day) - 1

    first = holder(zhongqi[0])
    count = holder(zhongqi[12]) - first
    starts = new_moon_days[first:first + count]
    with_zhongqi = {holder(z) - first for z in zhongqi[:12]}
    anchors = [holder(zhongqi[j]) - first for j in (0, 3, 6, 9, 12)]
    numbers, leaps = [0] * count, [False] * count

    def run(start, end, base, leap_at):
        n = base
        numbers[start] = base
        for r in range(start + 1, end):
            leaps[r] = r == leap_at
            if not leaps[r]:
                n = n % 12 + 1
            numbers[r] = n

    ok = True
    for (start, end), base in zip(zip(anchors, anchors[1:]), (11, 2, 5, 8)):
        between = [r for r in range(start + 1, end) if r not in with_zhongqi]
        if end - start == 3:
            run(start, end, base, None)
        elif end - start == 4 and between:
            run(start, end, base, between[0])
        else:
            ok = False
    if not ok:
        leaps = [False] * count
        lacking = [r for r in range(1, count) if r not in with_zhongqi]
        run(0, count, 11, lacking[0] if count == 13 else None)
    months, year = [], solstice_year
    for r in range(count):
        if numbers[r] == 1 and not leaps[r]:
            year = solstice_year + 1
        months.append((starts[r], year, numbers[r], leaps[r]))
    return months, ok


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    dump = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout
    ours_terms, ours_new, ours_full, ours_months, ours_alone = {}, [], [], [], []
    for line in dump.splitlines():
        f = line.split()
        if f[0] == "term":
            ours_terms[(int(f[1]), int(f[2]))] = (float(f[3]), float(f[4]))
        elif f[0] in ("new", "full"):
            (ours_new if f[0] == "new" else ours_full).append((float(f[1]), float(f[2])))
        elif f[0] == "month":
            ours_months.append((int(f[1]), int(f[2]), int(f[3]), f[4] == "1"))
        elif f[0] == "alone":
            ours_alone.append(int(f[1]))

    faults = []
    ref_terms = reference_terms(FIRST_YEAR, LAST_YEAR)
    first_jd = civil_jdn(FIRST_YEAR - 1, 11, 1) - 0.5
    last_jd = civil_jdn(LAST_YEAR + 1, 1, 1) - 0.5
    # New moons into 2102: the months of the last 冬至 year need them.
    ref_new_all = reference_phases(ephem.next_new_moon, first_jd, last_jd + 400.0)
    ref_new = [jd for jd in ref_new_all if jd < last_jd]
    ref_full = reference_phases(ephem.next_full_moon, first_jd, last_jd)

    def compare(name, pairs):
        """pairs: (ours jd, ours ΔT, reference jd). Largest differences in UT and TT."""
        worst_ut, worst_tt, at = 0.0, 0.0, None
        for ours, our_dt, ref in pairs:
            ut = (ours - ref) * 86400.0
            tt = ut + our_dt - ephem.delta_t(date_of(ref))
            if abs(ut) > abs(worst_ut):
                worst_ut, at = ut, ref
            worst_tt = max(worst_tt, abs(tt))
            if abs(ut) > LIMIT_SECONDS:
                faults.append("%s at %s UT: %+.1f s from PyEphem" % (name, date_of(ref), ut))
        print("%-4s %5d compared, largest difference %+6.1f s UT (at %s), %5.1f s TT"
              % (name, len(pairs), worst_ut, date_of(at) if at else "-", worst_tt))

    keys = [(y, i) for y in range(FIRST_YEAR, LAST_YEAR + 1) for i in range(24)]
    missing = [k for k in keys if k not in ours_terms or k not in ref_terms]
    if missing:
        faults.append("terms missing: %s" % missing[:5])
    compare("節気", [ours_terms[k] + (ref_terms[k],) for k in keys if k not in missing])
    for name, ours, ref in (("朔", ours_new, ref_new), ("望", ours_full, ref_full)):
        if len(ours) != len(ref):
            faults.append("%s: %d of ours, %d of PyEphem's" % (name, len(ours), len(ref)))
            continue
        compare(name, [o + (r,) for o, r in zip(ours, ref)])

    # The 旧暦 from PyEphem's instants.
    new_days = [jst_day(jd) for jd in ref_new_all]
    first_day, last_day = civil_jdn(FIRST_YEAR, 1, 1), civil_jdn(LAST_YEAR, 12, 31)
    ref_months, ref_alone = [], []
    for year in range(FIRST_YEAR - 1, LAST_YEAR + 1):
        months, ok = number_months(ref_terms, new_days, year)
        if not ok:
            ref_alone.append(year)
        ref_months += [m for m in months if first_day <= m[0] <= last_day]
    if ours_months != ref_months:
        ours_set, ref_set = set(ours_months), set(ref_months)
        faults.append("months differ: ours only %s, PyEphem only %s"
                      % (sorted(ours_set - ref_set)[:4], sorted(ref_set - ours_set)[:4]))
    leaps = ["%d閏%d" % (y, m) for _, y, m, leap in ref_months if leap]
    print("旧暦 %d months, %d leap months: %s" % (len(ref_months), len(leaps), " ".join(leaps)))
    if ref_alone != [2032] or ours_alone != [2032]:
        faults.append("the rule fails in the 冬至 years %s (ours %s), expected only 2032"
                      % (ref_alone, ours_alone))

    for f in faults[:20]:
        print("FAULT:", f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

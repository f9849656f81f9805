#!/usr/bin/python3
"""vellmor-toki --ics read back by a real iCalendar parser (python3-icalendar).

usage: ics_parse_test.py VELLMOR_TOKI

A year of 節気, 雑節, 朔, 望 and toki for Yokohama, and a span across New
Year at UT-5: the file parses; each event has its UID (all different),
DTSTAMP, DTSTART and SUMMARY; the 節気, 朔 and 望 are those --terms lists;
the 雑節 are whole days; the toki are those of the day tables; no content
line is longer than 75 octets.
"""

import datetime
import json
import subprocess
import sys

import icalendar

TERMS = ("春分 清明 穀雨 立夏 小満 芒種 夏至 小暑 大暑 立秋 処暑 白露 "
         "秋分 寒露 霜降 立冬 小雪 大雪 冬至 小寒 大寒 立春 雨水 啓蟄").split()
ZASSETSU = {"節分", "彼岸入り", "彼岸明け", "社日", "八十八夜", "入梅", "半夏生",
            "土用入り", "土用の丑", "二百十日", "二百二十日"}

faults = []


def check(ok, what):
    if not ok:
        faults.append(what)


def run(toki, *args):
    return subprocess.run([toki, *args], check=True, capture_output=True).stdout


def utc(iso_minute):
    """'2024-12-21T18:20+09:00' as an aware datetime."""
    return datetime.datetime.strptime(iso_minute, "%Y-%m-%dT%H:%M%z")


def parse(raw, label):
    for line in raw.split(b"\r\n")[:-1]:
        check(len(line) <= 75, "%s: a line of %d octets" % (label, len(line)))
        check(b"\n" not in line and b"\r" not in line, "%s: a bare line break" % label)
    check(raw.endswith(b"END:VCALENDAR\r\n"), label + ": not ended by END:VCALENDAR CR LF")
    cal = icalendar.Calendar.from_ical(raw)
    check(str(cal.get("VERSION")) == "2.0", label + ": VERSION")
    check(str(cal.get("PRODID")).startswith("-//Vellmor//vellmor-toki "), label + ": PRODID")
    events = list(cal.walk("VEVENT"))
    uids = [str(e.get("UID")) for e in events]
    check(len(set(uids)) == len(uids), label + ": UIDs repeat")
    for e in events:
        for prop in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            check(e.get(prop) is not None, "%s: an event without %s" % (label, prop))
    return events


def by_summary(events, names):
    return [e for e in events if str(e.get("SUMMARY")) in names]


def check_year(toki):
    raw = run(toki, "--ics", "2024-01-01", "2024-12-31", "--toki")
    events = parse(raw, "2024")
    listing = json.loads(run(toki, "--terms", "2024", "--json"))

    terms = sorted((e.get("DTSTART").dt, str(e.get("SUMMARY"))) for e in by_summary(events, TERMS))
    expected = sorted((utc(t["time"]), t["name"]) for t in listing["terms"])
    check(terms == expected, "2024: the 節気 differ from --terms")
    for name, key in (("朔", "new_moons"), ("望", "full_moons")):
        got = sorted(e.get("DTSTART").dt for e in by_summary(events, {name}))
        check(got == sorted(utc(t) for t in listing[key]), "2024: the %s differ from --terms" % name)

    zassetsu = by_summary(events, ZASSETSU)
    for e in zassetsu:
        start, end = e.get("DTSTART").dt, e.get("DTEND").dt
        check(type(start) is datetime.date and end - start == datetime.timedelta(days=1),
              "2024: %s is not a whole day" % e.get("SUMMARY"))
    days = {(e.get("DTSTART").dt.isoformat(), str(e.get("SUMMARY"))) for e in zassetsu}
    for known in (("2024-02-03", "節分"), ("2024-05-01", "八十八夜"), ("2024-06-10", "入梅"),
                  ("2024-07-24", "土用の丑"), ("2024-08-05", "土用の丑"), ("2024-08-31", "二百十日")):
        check(known in days, "2024: no %s on %s" % (known[1], known[0]))
    check(sum(1 for _, n in days if n == "土用入り") == 4, "2024: not four 土用入り")

    for name in ("明六つ", "暮六つ"):
        check(len(by_summary(events, {name})) == 366, "2024: not 366 %s" % name)
    day = json.loads(run(toki, "--date", "2024-06-21", "--json"))
    jst = datetime.timezone(datetime.timedelta(hours=9))
    midnight = datetime.datetime(2024, 6, 21, tzinfo=jst)
    for name, key in (("明六つ", "dawn"), ("暮六つ", "dusk")):
        want = midnight + datetime.timedelta(minutes=day[key]["minute"])
        got = [e.get("DTSTART").dt for e in by_summary(events, {name})]
        check(want in got, "2024-06-21: no %s at %s" % (name, want))
    check(len(events) == 24 + 13 + 12 + len(zassetsu) + 2 * 366, "2024: %d events" % len(events))


def check_new_year_west(toki):
    """Across New Year at UT-5: what --terms lists for the place's dates."""
    raw = run(toki, "--ics", "2024-12-25", "2025-01-10", "--tz", "-5")
    events = parse(raw, "New Year UT-5")
    got = sorted((e.get("DTSTART").dt, str(e.get("SUMMARY"))) for e in events)
    first = datetime.datetime(2024, 12, 25, tzinfo=datetime.timezone(datetime.timedelta(hours=-5)))
    last = first + datetime.timedelta(days=17)
    want = []
    for year in ("2024", "2025"):
        listing = json.loads(run(toki, "--terms", year, "--tz", "-5", "--json"))
        want += [(utc(t["time"]), t["name"]) for t in listing["terms"]]
        want += [(utc(t), "朔") for t in listing["new_moons"]]
        want += [(utc(t), "望") for t in listing["full_moons"]]
    want = sorted(w for w in want if first <= w[0] < last)
    check(got == want, "New Year UT-5: %s, expected %s" % (got, want))
    check([n for _, n in got] == ["朔", "小寒"], "New Year UT-5: %s" % got)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    check_year(sys.argv[1])
    check_new_year_west(sys.argv[1])
    for f in faults[:20]:
        print("FAULT:", f)
    print("ok" if not faults else "%d faults" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

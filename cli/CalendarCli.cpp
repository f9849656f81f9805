#include "CalendarCli.h"

#include "CivilDay.h"
#include "ClockSource.h"
#include "IcsText.h"
#include "MoonPhases.h"
#include "SeasonNames.h"
#include "SolarTerms.h"
#include "TokiCalendar.h"
#include "TokiTableCli.h"
#include "TraditionalDay.h"
#include "VellmorVersion.h"
#include "Zassetsu.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <vector>

namespace {

bool InCalendarYears(int year)
{
    return year >= kFirstCalendarYear && year <= kLastCalendarYear;
}

std::string Quoted(const std::string& s)
{
    return "\"" + s + "\"";  // our own names: no quote or backslash in them
}

// "+09:00", "-05:30".
std::string OffsetText(int offsetMinutes)
{
    const int a = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", offsetMinutes < 0 ? '-' : '+', a / 60 % 100,
                  a % 60);
    return text;
}

// "2024-12-21 18:20", or with iso "2024-12-21T18:20+09:00".
std::string MinuteText(double jdUt, int offsetMinutes, bool iso)
{
    const LocalMinute m = LocalMinuteOf(jdUt, offsetMinutes);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d", m.date.year % 10000,
                  m.date.month % 100, m.date.day % 100, iso ? 'T' : ' ', m.hour % 100,
                  m.minute % 100);
    return iso ? text + OffsetText(offsetMinutes) : text;
}

std::string LunarText(const LunarDate& d)
{
    return std::to_string(d.year) + "年" + (d.leap ? "閏" : "") + std::to_string(d.month) + "月" +
           std::to_string(d.day) + "日";
}

std::string Joined(const std::vector<std::string>& names, const char* separator)
{
    std::string out;
    for (const std::string& name : names) {
        out += (out.empty() ? "" : separator) + name;
    }
    return out;
}

// The three instants the place's year holds: terms, 朔, 望, each in order.
struct YearOfSky {
    std::vector<SolarTerm> terms;
    std::vector<double> newMoons;
    std::vector<double> fullMoons;
};

YearOfSky SkyOfYear(int year, int offsetMinutes)
{
    YearOfSky sky;
    sky.terms = SolarTermsOfYear(year, offsetMinutes);
    const double from = LocalInstant(DayNumberOf({year, 1, 1}), 0.0, offsetMinutes);
    const double to = LocalInstant(DayNumberOf({year + 1, 1, 1}), 0.0, offsetMinutes);
    sky.newMoons = MoonPhasesBetween(from, to, MoonPhase::New);
    sky.fullMoons = MoonPhasesBetween(from, to, MoonPhase::Full);
    return sky;
}

// One VEVENT, its lines already escaped where they hold text.
struct IcsEvent {
    double sortKey = 0.0;  // the instant it begins, for the file's order
    std::vector<std::string> lines;
};

IcsEvent InstantEvent(double jdUt, const std::string& uid, const std::string& summary,
                      const std::string& description)
{
    IcsEvent e;
    e.sortKey = jdUt;
    e.lines = {"UID:" + uid, "DTSTART:" + IcsUtcMinute(jdUt), "SUMMARY:" + IcsEscape(summary)};
    if (!description.empty()) {
        e.lines.push_back("DESCRIPTION:" + IcsEscape(description));
    }
    return e;
}

IcsEvent AllDayEvent(int dayNumber, int offsetMinutes, const std::string& uid,
                     const std::string& summary)
{
    IcsEvent e;
    e.sortKey = LocalInstant(dayNumber, 0.0, offsetMinutes);
    e.lines = {"UID:" + uid, "DTSTART;VALUE=DATE:" + IcsDate(CivilDateOf(dayNumber)),
               "DTEND;VALUE=DATE:" + IcsDate(CivilDateOf(dayNumber + 1)),
               "SUMMARY:" + IcsEscape(summary)};
    return e;
}

// "3527N", "13939E": a place in a UID, degrees and minutes as parsed (both
// with the angle's sign).
std::string PlaceTag(int degrees, int minutes, char positive, char negative)
{
    const bool south = degrees < 0 || minutes < 0;
    char text[32];
    std::snprintf(text, sizeof text, "%d%02d%c", south ? -degrees : degrees,
                  south ? -minutes : minutes, south ? negative : positive);
    return text;
}

std::string UidDate(int dayNumber)
{
    return IcsDate(CivilDateOf(dayNumber));
}

}  // namespace

void PrintCalendarOfDay(int year, int month, int day, int offsetMinutes, std::ostream& out)
{
    if (!InCalendarYears(year)) {
        return;
    }
    const TraditionalDay d = TraditionalDayOf(DayNumberOf({year, month, day}), offsetMinutes);
    out << "\n";
    out << "lunar    (旧暦)  " << LunarText(d.lunar) << "\n";
    out << "term     (節気)  " << SolarTermName(d.term.index) << ", since "
        << MinuteText(d.term.jdUt, offsetMinutes, false) << "\n";
    out << "ko       (候)    " << KoName(d.ko.index) << ", since "
        << MinuteText(d.ko.jdUt, offsetMinutes, false) << "\n";
    out << "zassetsu (雑節)  " << (d.zassetsu.empty() ? "-" : Joined(d.zassetsu, "、")) << "\n";
    out << "moon age (月齢)  " << MoonAgeText(d.moonAge) << " at noon\n";
}

std::string CalendarOfDayJson(int year, int month, int day, int offsetMinutes)
{
    if (!InCalendarYears(year)) {
        return ",\n  \"lunar\": null,\n  \"term\": null,\n  \"ko\": null,\n"
               "  \"zassetsu\": null,\n  \"moon_age\": null";
    }
    const TraditionalDay d = TraditionalDayOf(DayNumberOf({year, month, day}), offsetMinutes);
    std::vector<std::string> zassetsu;
    for (const std::string& name : d.zassetsu) {
        zassetsu.push_back(Quoted(name));
    }
    return ",\n  \"lunar\": {\"year\": " + std::to_string(d.lunar.year) +
           ", \"month\": " + std::to_string(d.lunar.month) +
           ", \"leap\": " + (d.lunar.leap ? "true" : "false") +
           ", \"day\": " + std::to_string(d.lunar.day) + "}" +
           ",\n  \"term\": {\"name\": " + Quoted(SolarTermName(d.term.index)) +
           ", \"since\": " + Quoted(MinuteText(d.term.jdUt, offsetMinutes, true)) + "}" +
           ",\n  \"ko\": " + Quoted(KoName(d.ko.index)) +
           ",\n  \"zassetsu\": [" + Joined(zassetsu, ", ") + "]" +
           ",\n  \"moon_age\": " + MoonAgeText(d.moonAge);
}

void PrintTermsOfYear(int year, int offsetMinutes, bool json, std::ostream& out)
{
    const YearOfSky sky = SkyOfYear(year, offsetMinutes);
    if (json) {
        out << "{\n  \"year\": " << year << ",\n  \"terms\": [\n";
        for (std::size_t i = 0; i < sky.terms.size(); ++i) {
            const SolarTerm& t = sky.terms[i];
            out << "    {\"name\": " << Quoted(SolarTermName(t.index))
                << ", \"longitude\": " << 15 * t.index
                << ", \"time\": " << Quoted(MinuteText(t.jdUt, offsetMinutes, true)) << "}"
                << (i + 1 < sky.terms.size() ? "," : "") << "\n";
        }
        out << "  ]";
        for (const auto& phases : {std::make_pair("new_moons", &sky.newMoons),
                                   std::make_pair("full_moons", &sky.fullMoons)}) {
            out << ",\n  \"" << phases.first << "\": [";
            for (std::size_t i = 0; i < phases.second->size(); ++i) {
                out << (i ? ", " : "") << Quoted(MinuteText((*phases.second)[i], offsetMinutes, true));
            }
            out << "]";
        }
        out << "\n}\n";
        return;
    }
    // One list in order of time.
    std::vector<std::pair<double, std::string>> lines;
    for (const SolarTerm& t : sky.terms) {
        char longitude[16];
        std::snprintf(longitude, sizeof longitude, "%3d°", 15 * t.index);
        lines.emplace_back(t.jdUt, SolarTermName(t.index) + "  " + longitude);
    }
    for (double jd : sky.newMoons) {
        lines.emplace_back(jd, "朔");
    }
    for (double jd : sky.fullMoons) {
        lines.emplace_back(jd, "望");
    }
    std::sort(lines.begin(), lines.end());
    // "UT+9", as the day's table names the time difference.
    out << "節気, 朔 and 望 of " << year << ", UT" << (offsetMinutes < 0 ? "" : "+")
        << offsetMinutes / 60 << "\n\n";
    for (const auto& line : lines) {
        out << MinuteText(line.first, offsetMinutes, false) << "  " << line.second << "\n";
    }
}

void WriteIcs(const TokiCliOptions& o, const std::string& dtstamp, std::ostream& out)
{
    const int offset = o.timeDiffHours * 60;
    const int firstDay = DayNumberOf({o.icsFromYear, o.icsFromMonth, o.icsFromDay});
    const int lastDay = DayNumberOf({o.icsToYear, o.icsToMonth, o.icsToDay});
    const double from = LocalInstant(firstDay, 0.0, offset);
    const double to = LocalInstant(lastDay + 1, 0.0, offset);
    std::vector<IcsEvent> events;

    for (int year = o.icsFromYear; year <= o.icsToYear; ++year) {
        for (const SolarTerm& t : SolarTermsOfYear(year, offset)) {
            if (t.jdUt >= from && t.jdUt < to) {
                events.push_back(InstantEvent(
                    t.jdUt, "sekki-" + std::to_string(year) + "-" + std::to_string(15 * t.index) +
                                "@vellmor.org",
                    SolarTermName(t.index),
                    "二十四節気: 太陽黄経 " + std::to_string(15 * t.index) + "°"));
            }
        }
        int sequence = 0;
        int lastZassetsuDay = 0;
        for (const ZassetsuDay& z : ZassetsuOfYear(year, offset)) {
            sequence = z.dayNumber == lastZassetsuDay ? sequence + 1 : 0;
            lastZassetsuDay = z.dayNumber;
            if (z.dayNumber >= firstDay && z.dayNumber <= lastDay) {
                events.push_back(AllDayEvent(z.dayNumber, offset,
                                             "zassetsu-" + UidDate(z.dayNumber) + "-" +
                                                 std::to_string(sequence) + "@vellmor.org",
                                             z.name));
            }
        }
    }
    for (double jd : MoonPhasesBetween(from, to, MoonPhase::New)) {
        events.push_back(InstantEvent(jd, "saku-" + IcsUtcMinute(jd) + "@vellmor.org", "朔",
                                      "新月"));
    }
    for (double jd : MoonPhasesBetween(from, to, MoonPhase::Full)) {
        events.push_back(InstantEvent(jd, "bou-" + IcsUtcMinute(jd) + "@vellmor.org", "望",
                                      "満月"));
    }
    if (o.icsToki) {
        // The place's day tables, one a day.
        const std::string place = PlaceTag(o.latDegrees, o.latMinutes, 'N', 'S') +
                                  PlaceTag(o.lonDegrees, o.lonMinutes, 'E', 'W');
        auto clock = std::make_shared<ManualClockSource>();
        TokiCalendar table(clock);
        table.SetLocation(o.latDegrees, o.latMinutes, o.lonDegrees, o.lonMinutes,
                          o.timeDiffHours);
        for (int day = firstDay; day <= lastDay; ++day) {
            const CivilDate date = CivilDateOf(day);
            table.SetDate(date.year, date.month, date.day);
            const struct {
                int boundary;
                const char* name;
                const char* uid;
            } toki[] = {{6, "明六つ", "ake"}, {18, "暮六つ", "kure"}};
            for (const auto& t : toki) {
                const int minute = table.GetBoundary(t.boundary);
                IcsEvent e;
                e.sortKey = LocalInstant(day, minute, offset);
                e.lines = {"UID:" + std::string(t.uid) + "-" + UidDate(day) + "-" + place +
                               "@vellmor.org",
                           "DTSTART:" + IcsUtcMinuteOfDay(day, minute, offset),
                           "SUMMARY:" + IcsEscape(t.name)};
                events.push_back(e);
            }
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const IcsEvent& a, const IcsEvent& b) { return a.sortKey < b.sortKey; });

    out << IcsLine("BEGIN:VCALENDAR") << IcsLine("VERSION:2.0")
        << IcsLine(std::string("PRODID:-//Vellmor//vellmor-toki ") + VELLMOR_VERSION_STRING + "//JA")
        << IcsLine("CALSCALE:GREGORIAN") << IcsLine("METHOD:PUBLISH")
        << IcsLine("X-WR-CALNAME:" + IcsEscape("暦 (節気・雑節・朔望)"));
    for (const IcsEvent& e : events) {
        out << IcsLine("BEGIN:VEVENT") << IcsLine("DTSTAMP:" + dtstamp);
        for (const std::string& line : e.lines) {
            out << IcsLine(line);
        }
        // Marks in the calendar, not appointments: they do not make the
        // user busy.
        out << IcsLine("TRANSP:TRANSPARENT") << IcsLine("END:VEVENT");
    }
    out << IcsLine("END:VCALENDAR");
}

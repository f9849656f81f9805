#include "TokiTableCli.h"

#include "CalendarCli.h"
#include "CityRowSplit.h"
#include "CityTable.h"
#include "ClockSource.h"
#include "ClockTimeText.h"
#include "LeadingInt.h"
#include "TokiNames.h"
#include "TokiWhen.h"
#include "TokiTable.h"
#include "TraditionalDay.h"
#include "VellmorVersion.h"

#include <cstdio>
#include <ctime>
#include <memory>
#include <ostream>
#include <string_view>

namespace {

const char* const kUsage =
    "usage: vellmor-toki [--date YYYY-MM-DD] [--lat DEG:MIN] [--lon DEG:MIN] [--tz HOURS]\n"
    "                    [--city NAME] [--at HH:MM] [--plain] [--json]\n"
    "       vellmor-toki --when EXPR [--date ...] [--lat ...] [--lon ...] [--tz ...]\n"
    "                    [--city NAME] [--json]\n"
    "       vellmor-toki --terms YEAR [--lat ...] [--lon ...] [--tz ...] [--city NAME] [--json]\n"
    "       vellmor-toki --ics FROM TO [--toki] [--lat ...] [--lon ...] [--tz ...] [--city NAME]\n"
    "       vellmor-toki --cities\n"
    "Prints the temporal-hour (toki) table of a day for a place, and the day's\n"
    "traditional calendar: 旧暦, 節気, 候, 雑節 and the moon's age at noon.\n"
    "  --date  the civil date (default: today's local date)\n"
    "  --lat   latitude, DEG:MIN, north positive (default 35:27); a leading minus\n"
    "          makes the whole angle south: -35:27 is 35°27' S, -0:07 is 0°07' S\n"
    "  --lon   longitude, DEG:MIN, east positive (default 139:39); a leading minus\n"
    "          makes the whole angle west\n"
    "  --tz    hours the local clock is ahead of Universal Time, -12..14 (default 9)\n"
    "  --city  place and time difference of a city of the built-in table, e.g. 那覇\n"
    "          (options later on the line override its values)\n"
    "  --cities  list the built-in city table: name, latitude, longitude, time difference\n"
    "  --at    also report the toki that a clock started at this minute shows: the\n"
    "          toki of the next minute (at 06:14 明六つ when it begins at 06:15)\n"
    "  --plain name the toki without their twelve-branch signs\n"
    "  --json  print one JSON object instead of the table; latitude and longitude\n"
    "          are [degrees, minutes], each part with the angle's sign\n"
    "  --when  print only the clock time (HH:MM) of a moment, as the clock's toki\n"
    "          alarms find it: a toki by name (暮六つ, 暮六つ (酉)) or index (18),\n"
    "          with +N or -N minutes, -720..720: --when 暮六つ-15, --when 18-15;\n"
    "          with --json {\"when\": \"HH:MM\", \"date\": \"YYYY-MM-DD\"}, the day the\n"
    "          moment falls on (明六つ-720 falls on the evening before)\n"
    "  --terms YEAR  list the year's 24 節気, 朔 and 望 to the minute (1900..2100)\n"
    "  --ics FROM TO  write an iCalendar file of the 節気, 雑節, 朔 and 望 of the\n"
    "          dates FROM to TO (YYYY-MM-DD, 1900..2100) to standard output\n"
    "  --toki  with --ics: add each day's 明六つ and 暮六つ at the place\n"
    "Times are the place's clock times (--tz), cut down to the minute.\n";

// Parses an optionally signed decimal integer of at most 11 characters that
// fills the whole text and lies in the 32-bit range.
bool ParseInt(const std::string& text, int& value)
{
    if (text.size() > 11) {
        return false;
    }
    const DecimalScan number = ScanSignedDecimal(text);
    if (number.digits == 0 || number.end != text.size() || number.overflow) {
        return false;
    }
    value = number.value;
    return true;
}

// Splits "A<sep>B" into two integers; B must be unsigned.
bool ParsePair(const std::string& text, char sep, int& first, int& second)
{
    const auto pos = text.find(sep);
    if (pos == std::string::npos) {
        return false;
    }
    const std::string b = text.substr(pos + 1);
    if (b.empty() || b[0] == '-' || b[0] == '+') {
        return false;
    }
    return ParseInt(text.substr(0, pos), first) && ParseInt(b, second);
}

// "[+|-]DEG:MIN" with MIN at most 59 and the angle at most limit degrees
// (90:59 would lie past the pole). A leading minus makes
// the whole angle negative (-35:27 is 35 deg 27 min south or west, -0:07 is
// 0 deg 7 min); both parts then carry the sign, so that degrees + minutes / 60 is the angle,
// as the time model adds them.
bool ParseAngle(const std::string& text, int limit, int& degrees, int& minutes)
{
    const bool negative = !text.empty() && text[0] == '-';
    const std::string unsignedText =
        (!text.empty() && (text[0] == '-' || text[0] == '+')) ? text.substr(1) : text;
    int deg = 0, min = 0;
    if (unsignedText.empty() || unsignedText[0] == '-' || unsignedText[0] == '+' ||
        !ParsePair(unsignedText, ':', deg, min) || deg > limit || min > 59 ||
        (deg == limit && min > 0)) {
        return false;
    }
    degrees = negative ? -deg : deg;
    minutes = negative ? -min : min;
    return true;
}

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && IsLeapYear(y)) ? 29 : kDays[m - 1];
}

bool ParseDate(const std::string& text, int& y, int& m, int& d)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    const std::string_view digits(text);
    y = ReadLeadingInt(digits.substr(0, 4));
    m = ReadLeadingInt(digits.substr(5, 2));
    d = ReadLeadingInt(digits.substr(8, 2));
    return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

std::string DateText(int y, int m, int d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y % 10000, m % 100, d % 100);
    return text;
}

// Display width on a terminal: ASCII one column, other characters two.
int DisplayWidth(const std::string& s)
{
    int width = 0;
    for (unsigned char c : s) {
        if (c < 0x80) {
            width += 1;
        } else if ((c & 0xC0) != 0x80) {
            width += 2;
        }
    }
    return width;
}

std::string PadRight(const std::string& s, int columns)
{
    const int w = DisplayWidth(s);
    return w >= columns ? s : s + std::string(static_cast<std::size_t>(columns - w), ' ');
}

std::string JsonString(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string JsonInstant(int minute)
{
    return "{\"minute\": " + std::to_string(minute) + ", \"time\": " +
           JsonString(ClockTimeText(minute)) + "}";
}

// One date's table at the place, with the names it is printed with and,
// for --at, the toki located there as the clock locates it at a start.
struct DayOfToki {
    int year = 0, month = 0, day = 0;
    TokiTable table;
    const char* const* names = kBranchNames;  // kTokiCount names; entry 24 is 0's
    int current = 0;                          // with --at: the toki then
    int next = 0;                             // and the boundary it waits for

    int Boundary(int i) const { return table.boundaries[static_cast<std::size_t>(i)]; }
    std::string Name(int i) const { return names[i % kTokiCount]; }
};

DayOfToki ComputeDayOfToki(const TokiCliOptions& o, const LocalTime& date)
{
    DayOfToki d;
    d.year = date.year;
    d.month = date.month;
    d.day = date.day;
    const SolarPlace place =
        MakeSolarPlace(o.latDegrees, o.latMinutes, o.lonDegrees, o.lonMinutes, o.timeDiffHours);
    d.table = ComputeTokiTable(d.year, d.month, d.day, place);
    d.names = o.plain ? kPlainNames : kBranchNames;
    const int minute = o.hasAt ? o.atHour * 60 + o.atMinute : 0;
    d.next = NextBoundaryAfter(d.table.boundaries, minute + 1);  // a minute ahead, as at a start
    d.current = TokiEndingAt(d.next);
    return d;
}

void PrintJson(const TokiCliOptions& o, const DayOfToki& cal, std::ostream& out)
{
    out << "{\n";
    out << "  \"date\": " << JsonString(DateText(cal.year, cal.month, cal.day))
        << ",\n";
    out << "  \"latitude\": [" << o.latDegrees << ", " << o.latMinutes << "],\n";
    out << "  \"longitude\": [" << o.lonDegrees << ", " << o.lonMinutes << "],\n";
    out << "  \"timeDifference\": " << o.timeDiffHours << ",\n";
    out << "  \"boundaries\": [\n";
    for (int i = 0; i < kTokiBoundaryCount; ++i) {
        const int m = cal.Boundary(i);
        out << "    {\"index\": " << i << ", \"minute\": " << m << ", \"time\": "
            << JsonString(ClockTimeText(m)) << ", \"name\": " << JsonString(cal.Name(i))
            << "}" << (i < 24 ? "," : "") << "\n";
    }
    out << "  ],\n";
    out << "  \"sunrise\": " << JsonInstant(cal.table.sunrise) << ",\n";
    out << "  \"sunset\": " << JsonInstant(cal.table.sunset) << ",\n";
    out << "  \"transit\": " << JsonInstant(cal.Boundary(12)) << ",\n";
    out << "  \"dawn\": " << JsonInstant(cal.Boundary(6)) << ",\n";
    out << "  \"dusk\": " << JsonInstant(cal.Boundary(18));
    if (o.hasAt) {
        const std::string at = ClockTimeText(o.atHour * 60 + o.atMinute);
        const int k = cal.current;
        out << ",\n  \"current\": {\"at\": " << JsonString(at) << ", \"index\": " << k
            << ", \"name\": " << JsonString(cal.Name(k))
            << ", \"nextBoundary\": " << cal.next << "}";
    }
    out << CalendarOfDayJson(cal.year, cal.month, cal.day, o.timeDiffHours * 60);
    out << "\n}\n";
}

// Degrees and minutes as parsed (both carrying the angle's sign) as
// "35°27'S".
std::string PlaceText(int deg, int min, char positive, char negative)
{
    char text[32];
    const bool neg = deg < 0 || min < 0;
    std::snprintf(text, sizeof text, "%d°%02d'%c", neg ? -deg : deg, neg ? -min : min,
                  neg ? negative : positive);
    return text;
}

void PrintTable(const TokiCliOptions& o, const DayOfToki& cal, std::ostream& out)
{
    out << "Toki of " << DateText(cal.year, cal.month, cal.day) << " at "
        << PlaceText(o.latDegrees, o.latMinutes, 'N', 'S') << " "
        << PlaceText(o.lonDegrees, o.lonMinutes, 'E', 'W') << ", UT"
        << (o.timeDiffHours < 0 ? "" : "+") << o.timeDiffHours << "\n\n";
    out << " #  " << PadRight("toki", 14) << "time   minute\n";
    for (int i = 0; i < kTokiBoundaryCount; ++i) {
        const int m = cal.Boundary(i);
        char index[8];
        std::snprintf(index, sizeof index, "%2d", i);
        char minute[16];
        std::snprintf(minute, sizeof minute, "%6d", m);
        out << index << "  " << PadRight(cal.Name(i), 14) << ClockTimeText(m) << " "
            << minute << "\n";
    }
    out << "\n";
    const struct {
        const char* label;
        int minute;
    } instants[] = {
        {"dawn    (明六つ)", cal.Boundary(6)}, {"sunrise (日出)  ", cal.table.sunrise},
        {"transit (南中)  ", cal.Boundary(12)}, {"sunset  (日没)  ", cal.table.sunset},
        {"dusk    (暮六つ)", cal.Boundary(18)},
    };
    for (const auto& instant : instants) {
        char minute[16];
        std::snprintf(minute, sizeof minute, "%6d", instant.minute);
        out << instant.label << "  " << ClockTimeText(instant.minute) << " " << minute << "\n";
    }
    if (o.hasAt) {
        const std::string at = ClockTimeText(o.atHour * 60 + o.atMinute);
        const int k = cal.current;
        const int next = cal.next;
        out << "\nat " << at << ": toki " << k << " " << cal.Name(k)
            << ", next boundary " << next << " at "
            << ClockTimeText(cal.Boundary(next)) << "\n";
    }
    PrintCalendarOfDay(cal.year, cal.month, cal.day, o.timeDiffHours * 60, out);
}

bool InCalendarYears(int year)
{
    return year >= kFirstCalendarYear && year <= kLastCalendarYear;
}

// Now, as an iCalendar DATE-TIME in UTC.
std::string UtcStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &tm);
    return text;
}

}  // namespace

bool ParseTokiCliOptions(const std::vector<std::string>& args, TokiCliOptions& o,
                         std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue =
            arg == "--date" || arg == "--lat" || arg == "--lon" || arg == "--tz" || arg == "--at" ||
            arg == "--city" || arg == "--when" || arg == "--terms";
        if (takesValue && i + 1 >= args.size()) {
            error = "vellmor-toki: " + arg + " needs a value";
            return false;
        }
        if (arg == "--ics") {
            if (i + 2 >= args.size()) {
                error = "vellmor-toki: --ics needs two dates, FROM and TO";
                return false;
            }
            const std::string from = args[++i];
            const std::string to = args[++i];
            for (const std::string* text : {&from, &to}) {
                int y = 0, m = 0, d = 0;
                if (!ParseDate(*text, y, m, d) || !InCalendarYears(y)) {
                    error = "vellmor-toki: --ics " + *text +
                            ": not a date of the form YYYY-MM-DD in 1900..2100";
                    return false;
                }
            }
            ParseDate(from, o.icsFromYear, o.icsFromMonth, o.icsFromDay);
            ParseDate(to, o.icsToYear, o.icsToMonth, o.icsToDay);
            if (to < from) {
                error = "vellmor-toki: --ics " + from + " " + to + ": TO comes before FROM";
                return false;
            }
            o.hasIcs = true;
            continue;
        }
        const std::string value = takesValue ? args[++i] : std::string();
        if (arg == "--date") {
            if (!ParseDate(value, o.year, o.month, o.day)) {
                error = "vellmor-toki: --date " + value + ": not a date of the form YYYY-MM-DD";
                return false;
            }
            o.hasDate = true;
        } else if (arg == "--lat" || arg == "--lon") {
            int deg = 0, min = 0;
            const int limit = arg == "--lat" ? 90 : 180;
            if (!ParseAngle(value, limit, deg, min)) {
                error = "vellmor-toki: " + arg + " " + value +
                        ": expected [-]DEG:MIN with MIN in 0..59, at most " +
                        std::to_string(limit) + ":00";
                return false;
            }
            (arg == "--lat" ? o.latDegrees : o.lonDegrees) = deg;
            (arg == "--lat" ? o.latMinutes : o.lonMinutes) = min;
        } else if (arg == "--tz") {
            if (!ParseInt(value, o.timeDiffHours) || o.timeDiffHours < -12 ||
                o.timeDiffHours > 14) {
                error = "vellmor-toki: --tz " + value + ": expected whole hours in -12..14";
                return false;
            }
        } else if (arg == "--at") {
            const auto colon = value.find(':');
            if (colon != 2 || value.size() != 5 ||
                !ParsePair(value, ':', o.atHour, o.atMinute) || value[0] == '-' ||
                value[0] == '+' || o.atHour > 23 || o.atMinute > 59) {
                error = "vellmor-toki: --at " + value + ": expected HH:MM, 00:00..23:59";
                return false;
            }
            o.hasAt = true;
        } else if (arg == "--city") {
            const auto row = FindCityRow(value);
            if (!row) {
                error = "vellmor-toki: --city " + value +
                        ": not in the city table (see --cities)";
                return false;
            }
            const auto place = SplitCityRow(*row);
            o.latDegrees = place->latitudeDegrees;
            o.latMinutes = place->latitudeMinutes;
            o.lonDegrees = place->longitudeDegrees;
            o.lonMinutes = place->longitudeMinutes;
            o.timeDiffHours = CityRowTimeDifference(*row);
        } else if (arg == "--when") {
            TokiExpression when;
            if (!ParseWhenOption(value, when, error)) {
                return false;
            }
            o.hasWhen = true;
            o.whenToki = when.toki;
            o.whenOffset = when.offset;
        } else if (arg == "--terms") {
            if (!ParseInt(value, o.termsYear) || !InCalendarYears(o.termsYear)) {
                error = "vellmor-toki: --terms " + value + ": expected a year in 1900..2100";
                return false;
            }
            o.hasTermsYear = true;
        } else if (arg == "--toki") {
            o.icsToki = true;
        } else if (arg == "--cities") {
            o.listCities = true;
        } else if (arg == "--plain") {
            o.plain = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else {
            error = "vellmor-toki: unknown argument " + arg + " (see --help)";
            return false;
        }
    }
    if (o.hasTermsYear && o.hasIcs) {
        error = "vellmor-toki: --terms and --ics: choose one";
        return false;
    }
    if (o.icsToki && !o.hasIcs) {
        error = "vellmor-toki: --toki goes with --ics";
        return false;
    }
    return true;
}

int RunTokiCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TokiCliOptions o;
    std::string error;
    if (!ParseTokiCliOptions(args, o, error)) {
        err << error << "\n";
        return 2;
    }
    if (o.help) {
        out << kUsage;
        return 0;
    }
    if (o.version) {
        out << "vellmor-toki " << VELLMOR_VERSION_STRING << "\n";
        return 0;
    }
    if (o.listCities) {
        for (CityEntry row : kCityTable) {
            out << row << "\n";
        }
        return 0;
    }

    if (o.hasTermsYear) {
        PrintTermsOfYear(o.termsYear, o.timeDiffHours * 60, o.json, out);
        return 0;
    }
    if (o.hasIcs) {
        WriteIcs(o, UtcStamp(), out);
        return 0;
    }

    LocalTime when = SystemClock()->Now();
    if (o.hasDate) {
        when.year = o.year;
        when.month = o.month;
        when.day = o.day;
    }
    if (o.hasWhen) {
        TokiExpression moment;
        moment.toki = o.whenToki;
        moment.offset = o.whenOffset;
        PrintTokiWhen(moment,
                      MakeSolarPlace(o.latDegrees, o.latMinutes, o.lonDegrees, o.lonMinutes,
                                     o.timeDiffHours),
                      when.year, when.month, when.day, o.json, out);
        return 0;
    }

    const DayOfToki day = ComputeDayOfToki(o, when);
    if (o.json) {
        PrintJson(o, day, out);
    } else {
        PrintTable(o, day, out);
    }
    return 0;
}

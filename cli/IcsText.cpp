#include "IcsText.h"

#include "CivilDay.h"

#include <cstdio>

namespace {

constexpr std::size_t kMaxOctets = 75;

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string IcsLine(const std::string& line)
{
    std::string out;
    std::size_t start = 0;
    // The first piece may hold 75 octets; the others 74 after their space.
    std::size_t room = kMaxOctets;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        while (cut > start && IsContinuationByte(line[cut])) {
            --cut;
        }
        out += line.substr(start, cut - start) + "\r\n ";
        start = cut;
        room = kMaxOctets - 1;
    }
    return out + line.substr(start) + "\r\n";
}

std::string IcsEscape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

std::string IcsUtcMinute(double jdUt)
{
    const LocalMinute m = LocalMinuteOf(jdUt, 0);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00Z", m.date.year % 10000,
                  m.date.month % 100, m.date.day % 100, m.hour % 100, m.minute % 100);
    return text;
}

std::string IcsUtcMinuteOfDay(int dayNumber, int minuteOfDay, int offsetMinutes)
{
    int utcMinute = minuteOfDay - offsetMinutes;
    int day = dayNumber;
    while (utcMinute < 0) {
        utcMinute += 1440;
        --day;
    }
    day += utcMinute / 1440;
    utcMinute %= 1440;
    const CivilDate d = CivilDateOf(day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00Z", d.year % 10000, d.month % 100,
                  d.day % 100, utcMinute / 60, utcMinute % 60);
    return text;
}

std::string IcsDate(const CivilDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year % 10000, date.month % 100,
                  date.day % 100);
    return text;
}

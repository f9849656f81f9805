// Reads any bytes as the settings file, rewrites them and reads the result
// again: nothing may crash, leak or overflow, and the numbers must survive the
// rewrite.
#include "ClockSettings.h"
#include "ShiftJis.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

ClockSettings ReadText(const std::string& text)
{
    std::istringstream in(text);
    ClockSettings s;
    s.Read(in);
    return s;
}

std::string Rewrite(const std::string& text, const ClockSettings& s)
{
    std::istringstream in(text);
    std::ostringstream out;
    if (!s.Write(in, out)) {
        std::abort();
    }
    return out.str();
}

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Equal but for the city, whose text settles one round later.
bool SameNumbers(ClockSettings a, const ClockSettings& b)
{
    a.city = b.city;
    return a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ClockSettings first = ReadText(text);
    Check(ShiftJisByteLength(first.city) <= ClockSettings::kCityReadBytes);

    // Change every stored number so that each one must really be rewritten.
    first.chime ^= 1;
    first.alarmHour = ~first.alarmHour;
    first.latitudeMinutes += first.latitudeMinutes < 0 ? 1 : -1;
    const std::string once = Rewrite(text, first);
    const ClockSettings second = ReadText(once);
    Check(SameNumbers(first, second));

    // The city's text settles after one more round (replacement characters
    // become "?", blanks at its ends are dropped).
    const std::string twice = Rewrite(once, second);
    const ClockSettings third = ReadText(twice);
    Check(SameNumbers(second, third));
    const ClockSettings fourth = ReadText(Rewrite(twice, third));
    Check(third.city == fourth.city);
    return 0;
}

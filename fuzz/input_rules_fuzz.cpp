// Checks the dialog integer rule against a second, independent reading built
// on strtoll, and the Shift-JIS helpers against their stated bounds.
#include "CityRowSplit.h"
#include "InputRules.h"
#include "LeadingInt.h"
#include "ShiftJis.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The rule, read again: the first 31 bytes, blanks and tabs, a number strtoll
// takes whole, blanks and tabs; a 0 must be written with a leading 0.
InputCheck Reference(const std::string& text)
{
    const std::string window = text.substr(0, 31);
    std::size_t start = 0;
    while (start < window.size() && IsBlank(window[start])) {
        ++start;
    }
    const std::string rest = window.substr(start);
    InputCheck rejected;
    rejected.error = InputError::NotInteger;
    const bool signedNumber = !rest.empty() && (rest[0] == '+' || rest[0] == '-');
    if (rest.empty() || !(IsDigit(rest[0]) || (signedNumber && rest.size() > 1 && IsDigit(rest[1])))) {
        return rejected;
    }
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(rest.c_str(), &end, 10);
    std::size_t i = static_cast<std::size_t>(end - rest.c_str());
    while (i < rest.size() && IsBlank(rest[i])) {
        ++i;
    }
    if (i < rest.size() || (v == 0 && rest[0] != '0')) {
        return rejected;
    }
    InputCheck ok;
    ok.ok = true;
    ok.value = v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
    return ok;
}

int LeadingReference(const std::string& text)
{
    const long long v = std::strtoll(text.c_str(), nullptr, 10);
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const InputCheck check = ParseDialogInt(text);
    const InputCheck expected = Reference(text);
    Check(check.ok == expected.ok);
    Check(!check.ok || check.value == expected.value);
    Check(check.ok == check.message.empty());

    const InputCheck ranged = ParseDialogIntInRange(text, 122, 153);
    Check(ranged.ok == (check.ok && check.value >= 122 && check.value <= 153));

    // strtoll stops at a NUL, so compare on the text before the first one.
    const std::string beforeNul = text.substr(0, text.find('\0'));
    Check(ReadLeadingInt(beforeNul) == LeadingReference(beforeNul));

    const std::string cp932 = Utf8ToCp932(text);
    Check(cp932.size() <= text.size());
    Check(Cp932ToUtf8(text).size() <= text.size() * 3);
    const std::string cut = CutCp932(text, 18);
    Check(cut.size() <= 18 && text.compare(0, cut.size(), cut) == 0);

    const std::string head = text.substr(0, 64);
    const std::string name = CutUtf8ToShiftJisBytes(head, kPlaceNameMaxBytes);
    Check(head.compare(0, name.size(), name) == 0);
    Check(ShiftJisByteLength(name) <= kPlaceNameMaxBytes);
    Check(CheckShiftJisLength(name, kPlaceNameMaxBytes).ok);
    Check(CheckShiftJisLength(head, kPlaceNameMaxBytes).ok == (name.size() == head.size()));

    SplitCityRow(text);
    return 0;
}

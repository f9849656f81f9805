#include "ShiftJisInput.h"

#include "ShiftJis.h"

#include <algorithm>

namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t CountCharacters(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsContinuationByte(c); }));
}

}  // namespace

FittedInput FitShiftJisInput(std::string_view before, std::string_view after,
                             std::size_t maxBytes)
{
    const std::size_t afterBytes = ShiftJisByteLength(after);
    if (afterBytes <= maxBytes || afterBytes <= ShiftJisByteLength(before)) {
        return {std::string(after), CountCharacters(after), false};
    }

    // The changed span: after = prefix + inserted + suffix, where before =
    // prefix + (whatever was replaced) + suffix, split between characters.
    const std::size_t common = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < common && before[prefix] == after[prefix]) {
        ++prefix;
    }
    while (prefix > 0 && prefix < after.size() && IsContinuationByte(after[prefix])) {
        --prefix;
    }
    std::size_t suffix = 0;
    while (suffix < common - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    while (suffix > 0 && IsContinuationByte(after[after.size() - suffix])) {
        --suffix;
    }

    const std::string_view head = after.substr(0, prefix);
    const std::string_view tail = after.substr(after.size() - suffix);
    const std::string_view inserted = after.substr(prefix, after.size() - suffix - prefix);
    const std::size_t kept = ShiftJisByteLength(head) + ShiftJisByteLength(tail);
    const std::size_t room = maxBytes > kept ? maxBytes - kept : 0;
    const std::string fitted = CutUtf8ToShiftJisBytes(inserted, room);

    FittedInput result;
    result.text = std::string(head) + fitted + std::string(tail);
    result.caret = CountCharacters(head) + CountCharacters(fitted);
    result.cut = true;
    return result;
}

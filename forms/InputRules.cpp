#include "InputRules.h"

#include "Blank.h"
#include "LeadingInt.h"
#include "ShiftJis.h"

#include <vector>

const char* const kNotIntegerMessage = "整数を入力してください。";
const char* const kOutOfRangeMessage = "%1 から %2 までの整数を入力してください。";
const char* const kTooLongMessage = "%1 文字以内で入力してください。";

namespace {

InputCheck Rejected(InputError error, std::string message)
{
    InputCheck check;
    check.error = error;
    check.message = std::move(message);
    return check;
}

InputCheck Accepted(int value)
{
    InputCheck check;
    check.ok = true;
    check.value = value;
    return check;
}

}  // namespace

std::string FormatMessageText(std::string_view format, std::initializer_list<std::string> args)
{
    const std::vector<std::string> arguments(args);
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' &&
            format[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(format[i + 1] - '1');
            if (n < arguments.size()) {
                out += arguments[n];
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

InputCheck ParseDialogInt(std::string_view text)
{
    // Every byte the rule accepts is ASCII, so the window ends at the same
    // character whether its bytes are counted in UTF-8 or in Shift-JIS: any
    // other character inside it rejects the text either way.
    const std::string_view window = text.substr(0, kIntegerWindowBytes);
    std::size_t i = 0;
    while (i < window.size() && IsBlank(window[i])) {
        ++i;
    }
    const bool startsWithZero = i < window.size() && window[i] == '0';
    const DecimalScan number = ScanSignedDecimal(window, i);
    i = number.end;
    while (i < window.size() && IsBlank(window[i])) {
        ++i;
    }
    if (i < window.size() || (number.value == 0 && !startsWithZero)) {
        return Rejected(InputError::NotInteger, kNotIntegerMessage);
    }
    return Accepted(number.value);
}

InputCheck CheckIntRange(int value, int low, int high)
{
    if (value < low || value > high) {
        return Rejected(InputError::OutOfRange,
                        FormatMessageText(kOutOfRangeMessage,
                                          {std::to_string(low), std::to_string(high)}));
    }
    return Accepted(value);
}

InputCheck ParseDialogIntInRange(std::string_view text, int low, int high)
{
    const InputCheck check = ParseDialogInt(text);
    return check.ok ? CheckIntRange(check.value, low, high) : check;
}

InputCheck CheckShiftJisLength(std::string_view text, std::size_t maxBytes)
{
    if (ShiftJisByteLength(text) > maxBytes) {
        return Rejected(InputError::TooLong,
                        FormatMessageText(kTooLongMessage, {std::to_string(maxBytes)}));
    }
    return Accepted(0);
}

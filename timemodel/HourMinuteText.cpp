#include "HourMinuteText.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> ParseHourMinuteText(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || text.size() != colon + 3) {
        return std::nullopt;
    }
    int hour = 0;
    for (std::size_t i = 0; i < colon; ++i) {
        if (!IsDigit(text[i])) {
            return std::nullopt;
        }
        hour = hour * 10 + (text[i] - '0');
    }
    if (!IsDigit(text[colon + 1]) || !IsDigit(text[colon + 2])) {
        return std::nullopt;
    }
    const int minute = (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0');
    if (hour > 23 || minute > 59) {
        return std::nullopt;
    }
    return hour * 60 + minute;
}

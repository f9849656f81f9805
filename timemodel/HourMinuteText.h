#pragma once

#include <optional>
#include <string_view>

// Times of day as the settings file and the dialogs write them, "HH:MM";
// ClockTimeText (ClockTimeText.h) writes them.

// One or two digits of hour 0..23, a colon, two digits of minute 0..59,
// blanks around ignored: minutes of the day. Nothing for any other text.
std::optional<int> ParseHourMinuteText(std::string_view text);

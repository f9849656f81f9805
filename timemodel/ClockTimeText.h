#pragma once

#include <string>

// The clock time of a minute of a table's day as "HH:MM": -19 is "23:41",
// 1450 is "00:10". Any minute count is brought into 0..1439 first.
std::string ClockTimeText(int minutes);

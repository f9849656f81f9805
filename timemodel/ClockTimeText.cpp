#include "ClockTimeText.h"

#include <cstdio>

namespace {

constexpr int kMinutesPerDay = 1440;

}  // namespace

std::string ClockTimeText(int minutes)
{
    int m = minutes % kMinutesPerDay;
    if (m < 0) {
        m += kMinutesPerDay;
    }
    char text[8];  // "HH:MM"
    std::snprintf(text, sizeof text, "%02d:%02d", m / 60, m % 60);
    return text;
}

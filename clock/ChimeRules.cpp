#include "ChimeRules.h"

#include "TokiCalendar.h"

std::array<int, kTokiCount> MakeStrikeCounts()
{
    std::array<int, kTokiCount> counts{};
    for (int i = 0; i < 6; ++i) {
        counts[2 * i] = 9 - i;       // night: 暁九つ … 夜四つ share the day's counts
        counts[12 + 2 * i] = 9 - i;  // day: 昼九つ …
        counts[2 * i + 1] = 1;
        counts[13 + 2 * i] = 1;
    }
    return counts;
}

int ScheduledStrikes(int chimeMask, int chimeCount, int hour, int minute, int tokiStrikes)
{
    if (chimeCount == 0) {
        return 0;
    }
    if (chimeCount == 1) {
        return 1;
    }
    if ((chimeMask & TICK_HOUR) != 0 && minute == 0) {
        int strikes = hour;
        if (strikes > 12) {
            strikes -= 12;
        }
        return strikes == 0 ? 12 : strikes;
    }
    if ((chimeMask & TICK_HALF_HOUR) != 0 && minute == 30) {
        return 1;
    }
    return tokiStrikes;
}

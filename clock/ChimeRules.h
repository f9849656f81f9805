#pragma once

#include "TokiNames.h"

#include <array>

// Strikes per toki (TokiIndex 0..23): a full toki strikes its bell count
// (九つ 9, 八つ 8 … 四つ 4, by night and by day alike), every half toki once.
std::array<int, kTokiCount> MakeStrikeCounts();

// Strikes of a chime the schedule found due at clock hour:minute; 0 means no
// chime. tokiStrikes is the table's count for the toki that has just begun.
//   chimeCount 0: the schedule never chimes;
//   chimeCount 1: every scheduled chime strikes exactly once;
//   any other value: with mask bit TICK_HOUR at minute 0 the clock hour on a
//   twelve-hour dial (0 and 12 strike 12), else with bit TICK_HALF_HOUR at
//   minute 30 once, else the toki's count.
// The hour and minute rules look at the mask, not at the events that arrived.
int ScheduledStrikes(int chimeMask, int chimeCount, int hour, int minute, int tokiStrikes);

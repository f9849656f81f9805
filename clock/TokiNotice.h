#pragma once

#include "TokiCalendar.h"

#include <string>

// The desktop notification of a toki that has just begun.
struct TokiNotice {
    std::string summary;  // the toki with its sign: "暮六つ（酉）", "暮六つ半（酉>戌）"
    std::string body;     // "17:02 — 次は 暮六つ半 17:41": the clock time, the next toki
};

// toki and next are 0..23; the times are minutes of the day (any count is
// brought into 0..1439). A toki outside 0..23 reads as the drawn error label,
// a next toki outside it as "?".
TokiNotice MakeTokiNotice(TokiIndex toki, int clockMinute, TokiIndex next, int nextMinute);

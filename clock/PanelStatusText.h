#pragma once

#include <string>

// The line the desktop's panel shows for the clock (its title, and its label
// where the panel shows labels): the current toki and the next one with the
// clock time it begins, "暮六つ（酉） — 次は 夜五つ 19:02". UTF-8.
//
// The current toki is named as the clock's text line names it, its sign in
// full-width brackets ("暮六つ（酉）", "暮六つ半（酉>戌）"); under the
// fixed-hour display, whose sign follows the clock hour, by its plain name
// ("暮六つ"). The next toki always by its plain name. toki and next are
// indices 0..23 (TokiCalendar.h); one outside that range gives "-".
// nextMinute is the clock time the next toki begins, in minutes of the
// table's day (any count; ClockTimeText brings it into the day).
std::string PanelStatusText(int toki, int next, int nextMinute, bool fixedHours);

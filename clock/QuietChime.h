#pragma once

#include "TokiCalendar.h"

struct QuietHours;

// Whether a scheduled chime (hourly, half-hourly or of a toki) at clock
// hour:minute, with toki current, falls into the quiet hours: from the
// beginning of the first toki (or clock time) up to, not including, the
// beginning of the second, across midnight when the second comes first.
// Only the schedule's chimes are silenced: not the alarms, the Strike
// command or New Year's Eve.
bool IsQuietChime(const QuietHours& quiet, int hour, int minute, TokiIndex toki);

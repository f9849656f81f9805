#pragma once

#include "SolarDay.h"
#include "TokiExpression.h"

#include <iosfwd>
#include <string>

// vellmor-toki --when: the clock time of a moment named by a toki and an
// offset, as the clock's toki alarms find it on the date's table. A moment
// that falls on the day before or after belongs to that day: --json names
// it ({"when": "17:54", "date": "2024-12-21"}).

// Reads EXPR; on failure sets error to one line naming it.
bool ParseWhenOption(const std::string& text, TokiExpression& when, std::string& error);

// Prints "HH:MM", or the JSON object, for the moment on the table of the
// civil date at place.
void PrintTokiWhen(const TokiExpression& when, const SolarPlace& place, int year, int month,
                   int day, bool json, std::ostream& out);

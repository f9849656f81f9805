#pragma once

#include <string>

// The line under the day chart: the traditional calendar of the table's
// date at the place, as one text ("旧暦11月21日　冬至　乃東生　月齢 19.9"),
// and the tile of the moon pictures (moon.png) that shows the moon's phase
// at the place's noon.
struct CalendarLine {
    std::string text;   // empty for a date outside the calendar's years
    int moonTile = -1;  // 0..kMoonPhaseTiles-1; -1 with no text
};

// Tiles of moon.png: tile i shows the moon i / kMoonPhaseTiles of a mean
// lunation after new; 15 is full.
constexpr int kMoonPhaseTiles = 30;

CalendarLine MakeCalendarLine(int year, int month, int day, int timeDifferenceHours);

// The tile nearest to a moon age in days.
int MoonPhaseTile(double moonAge);

// The date's 旧暦 alone, "旧暦閏6月3日", as a panel shows it beside the
// toki; empty outside the calendar's years.
std::string LunarDateTextOf(int year, int month, int day, int timeDifferenceHours);

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// One row of the built-in city table: a single UTF-8 text of four fields
// separated by single tabs, "name\t+DD:MM\t+DDD:MM\t+HH" (north latitude,
// east longitude, hours ahead of UT). After the first tab the layout is fixed
// and ASCII: 18 bytes, the same in UTF-8 and in Shift-JIS.
using CityEntry = std::string_view;

constexpr std::size_t kCityCount = 48;

// The 48 cities in the order of the list on screen, 根室 first, 那覇 last.
extern const std::array<CityEntry, kCityCount> kCityTable;

// The place name of a row: the text before its first tab.
std::string_view CityRowName(CityEntry row);

// The row whose place name is name, or nothing.
std::optional<CityEntry> FindCityRow(std::string_view name);

// The time difference of a row (its last field, "+09" -> 9); the settings
// dialog never reads it, the command-line tool does.
int CityRowTimeDifference(CityEntry row);

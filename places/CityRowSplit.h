#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A byte range of the fixed part of a city row, the part after its first tab.
struct CityRowRange {
    std::size_t offset;
    std::size_t length;
};

constexpr CityRowRange kLatitudeDegreesField{0, 3};    // "+35"
constexpr CityRowRange kLatitudeMinutesField{4, 2};    // "27"
constexpr CityRowRange kLongitudeDegreesField{7, 4};   // "+139"
constexpr CityRowRange kLongitudeMinutesField{12, 2};  // "39"
constexpr CityRowRange kTimeDifferenceField{15, 3};    // "+09"

// The bytes of range in the part of row after its first tab, clipped to what
// is there (empty for a row without a tab).
std::string_view CityRowField(std::string_view row, CityRowRange range);

// What choosing a row in the location picker puts into the settings dialog.
struct ChosenPlace {
    std::string city;  // UTF-8
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;
};

// Splits a chosen row: the place name is the text before the first tab (the
// whole row when it has none), the four numbers are the fixed byte ranges
// after it, each read by its leading integer (no digits reads as 0). The time
// difference is not read. An empty row, as a cancelled picker hands back,
// gives nothing: the dialog then changes nothing.
std::optional<ChosenPlace> SplitCityRow(std::string_view row);

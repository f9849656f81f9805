#include "CityRowSplit.h"

#include "LeadingInt.h"

std::string_view CityRowField(std::string_view row, CityRowRange range)
{
    const auto tab = row.find('\t');
    if (tab == std::string_view::npos) {
        return std::string_view();
    }
    const std::string_view rest = row.substr(tab + 1);
    if (range.offset >= rest.size()) {
        return std::string_view();
    }
    return rest.substr(range.offset, range.length);
}

std::optional<ChosenPlace> SplitCityRow(std::string_view row)
{
    if (row.empty()) {
        return std::nullopt;
    }
    ChosenPlace place;
    place.city = std::string(row.substr(0, row.find('\t')));
    place.latitudeDegrees = ReadLeadingInt(CityRowField(row, kLatitudeDegreesField));
    place.latitudeMinutes = ReadLeadingInt(CityRowField(row, kLatitudeMinutesField));
    place.longitudeDegrees = ReadLeadingInt(CityRowField(row, kLongitudeDegreesField));
    place.longitudeMinutes = ReadLeadingInt(CityRowField(row, kLongitudeMinutesField));
    return place;
}

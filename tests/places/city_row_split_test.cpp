#include "CityRowSplit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SplitCase {
    std::string row;
    ChosenPlace expected;
};

TEST(CityRowSplit, NameBeforeTheFirstTabAndFourFixedByteRanges)
{
    const SplitCase cases[] = {
        {"那覇\t+26:13\t+127:40\t+09", {"那覇", 26, 13, 127, 40}},
        {"横浜\t+35:27\t+139:39\t+09", {"横浜", 35, 27, 139, 39}},
        {"津\t+34:44\t+136:31\t+09", {"津", 34, 44, 136, 31}},
        {"大津\t+35:00\t+135:52\t+09", {"大津", 35, 0, 135, 52}},
        // Rows the table does not hold still split by the same byte ranges.
        {"X\t-05:07\t-012:03\t+00", {"X", -5, 7, -12, 3}},
        {"X\t+35:2", {"X", 35, 2, 0, 0}},          // short rest: missing ranges read 0
        {"X\tab:cd\t+1x9:4", {"X", 0, 0, 1, 0}},   // leading-integer rule per range
        {"X\t+35:27\t+139:39\ttail\textra", {"X", 35, 27, 139, 39}},
        {"no tab here", {"no tab here", 0, 0, 0, 0}},
        {"\t+35:27\t+139:39\t+09", {"", 35, 27, 139, 39}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.row);
        const auto place = SplitCityRow(c.row);
        ASSERT_TRUE(place);
        EXPECT_EQ(place->city, c.expected.city);
        EXPECT_EQ(place->latitudeDegrees, c.expected.latitudeDegrees);
        EXPECT_EQ(place->latitudeMinutes, c.expected.latitudeMinutes);
        EXPECT_EQ(place->longitudeDegrees, c.expected.longitudeDegrees);
        EXPECT_EQ(place->longitudeMinutes, c.expected.longitudeMinutes);
    }
}

TEST(CityRowSplit, AnEmptyRowChangesNothing)
{
    EXPECT_EQ(SplitCityRow(""), std::nullopt);
}

TEST(CityRowSplit, FieldsAreByteRangesOfTheRestAfterTheFirstTab)
{
    const std::string row = "鹿児島\t+31:36\t+130:33\t+09";
    EXPECT_EQ(CityRowField(row, kLatitudeDegreesField), "+31");
    EXPECT_EQ(CityRowField(row, kLatitudeMinutesField), "36");
    EXPECT_EQ(CityRowField(row, kLongitudeDegreesField), "+130");
    EXPECT_EQ(CityRowField(row, kLongitudeMinutesField), "33");
    EXPECT_EQ(CityRowField(row, kTimeDifferenceField), "+09");
    EXPECT_EQ(CityRowField("X\t+3", kLongitudeDegreesField), "");
}

}  // namespace

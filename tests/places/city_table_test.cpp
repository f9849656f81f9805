#include "CityRowSplit.h"
#include "CityTable.h"
#include "ClockSettings.h"
#include "Cp932Codec.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "+DD:MM\t+DDD:MM\t+HH": the 18 bytes after the name's tab.
bool HasFixedLayout(std::string_view rest)
{
    const char* pattern = "+##:##\t+###:##\t+##";
    if (rest.size() != 18) {
        return false;
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (pattern[i] == '#' ? !IsDigit(rest[i]) : rest[i] != pattern[i]) {
            return false;
        }
    }
    return true;
}

TEST(CityTable, EveryRowHasTheFixedLayoutAndValuesTheDialogAccepts)
{
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kCityTable.size(); ++i) {
        const CityEntry row = kCityTable[i];
        SCOPED_TRACE(std::string(row));
        const auto tab = row.find('\t');
        ASSERT_NE(tab, std::string_view::npos);
        const std::string_view name = row.substr(0, tab);
        EXPECT_TRUE(HasFixedLayout(row.substr(tab + 1)));

        // The name: one to three double-byte characters.
        const std::string sjis = Utf8ToCp932(name);
        EXPECT_TRUE(sjis.size() == 2 || sjis.size() == 4 || sjis.size() == 6) << sjis.size();
        for (std::size_t b = 0; b < sjis.size(); b += 2) {
            EXPECT_TRUE(IsCp932LeadByte(static_cast<unsigned char>(sjis[b])));
        }
        EXPECT_EQ(Cp932ToUtf8(sjis), name);
        EXPECT_TRUE(names.insert(name).second) << "names are unique";

        const auto place = SplitCityRow(row);
        ASSERT_TRUE(place);
        EXPECT_GE(place->longitudeDegrees, 122);
        EXPECT_LE(place->longitudeDegrees, 153);
        for (int minutes : {place->latitudeMinutes, place->longitudeMinutes}) {
            EXPECT_GE(minutes, 0);
            EXPECT_LE(minutes, 59);
        }
        EXPECT_GE(place->latitudeDegrees, 24);
        EXPECT_LE(place->latitudeDegrees, 46);
        EXPECT_EQ(CityRowTimeDifference(row), 9);
    }
}

TEST(CityTable, RowsStandInListOrder)
{
    ASSERT_EQ(kCityTable.size(), 48u);
    const struct {
        std::size_t index;
        const char* row;
    } spots[] = {
        {0, "根室\t+43:20\t+145:35\t+09"},
        {8, "宇都宮\t+36:34\t+139:53\t+09"},
        {13, "東京\t+35:39\t+139:45\t+09"},
        {14, "横浜\t+35:27\t+139:39\t+09"},
        {22, "津\t+34:44\t+136:31\t+09"},
        {25, "大津\t+35:00\t+135:52\t+09"},
        {46, "鹿児島\t+31:36\t+130:33\t+09"},
        {47, "那覇\t+26:13\t+127:40\t+09"},
    };
    for (const auto& s : spots) {
        EXPECT_EQ(kCityTable[s.index], s.row) << s.index;
    }
}

TEST(CityTable, YokohamaMatchesTheDefaultLocationOfTheSettings)
{
    const ClockSettings defaults;
    const auto place = SplitCityRow(*FindCityRow(defaults.city));
    EXPECT_EQ(place->latitudeDegrees, defaults.latitudeDegrees);
    EXPECT_EQ(place->latitudeMinutes, defaults.latitudeMinutes);
    EXPECT_EQ(place->longitudeDegrees, defaults.longitudeDegrees);
    EXPECT_EQ(place->longitudeMinutes, defaults.longitudeMinutes);
    EXPECT_EQ(CityRowTimeDifference(*FindCityRow(defaults.city)), defaults.timeDifference);
}

TEST(CityTable, FindCityRowMatchesWholeNamesOnly)
{
    EXPECT_EQ(FindCityRow("那覇"), std::optional<CityEntry>(kCityTable[47]));
    EXPECT_EQ(FindCityRow("津"), std::optional<CityEntry>(kCityTable[22]));
    EXPECT_EQ(FindCityRow("大"), std::nullopt);
    EXPECT_EQ(FindCityRow("横浜市"), std::nullopt);
    EXPECT_EQ(FindCityRow(""), std::nullopt);
}

}  // namespace

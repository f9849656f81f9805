#include "CityTable.h"

#include "CityRowSplit.h"
#include "LeadingInt.h"

// The rows are laid out byte for byte as the location list shows them.
const std::array<CityEntry, kCityCount> kCityTable = {
    "根室\t+43:20\t+145:35\t+09",
    "札幌\t+43:04\t+141:21\t+09",
    "青森\t+40:49\t+140:44\t+09",
    "秋田\t+39:43\t+140:07\t+09",
    "盛岡\t+39:42\t+141:09\t+09",
    "仙台\t+38:16\t+140:52\t+09",
    "山形\t+38:15\t+140:21\t+09",
    "福島\t+37:45\t+140:28\t+09",
    "宇都宮\t+36:34\t+139:53\t+09",
    "前橋\t+36:23\t+139:04\t+09",
    "水戸\t+36:22\t+140:29\t+09",
    "浦和\t+35:51\t+139:39\t+09",
    "千葉\t+35:36\t+140:07\t+09",
    "東京\t+35:39\t+139:45\t+09",
    "横浜\t+35:27\t+139:39\t+09",
    "甲府\t+35:40\t+138:34\t+09",
    "新潟\t+37:55\t+139:02\t+09",
    "静岡\t+34:58\t+138:23\t+09",
    "長野\t+36:39\t+138:11\t+09",
    "富山\t+36:41\t+137:13\t+09",
    "名古屋\t+35:10\t+136:55\t+09",
    "岐阜\t+35:25\t+136:46\t+09",
    "津\t+34:44\t+136:31\t+09",
    "金沢\t+36:34\t+136:39\t+09",
    "福井\t+36:04\t+136:13\t+09",
    "大津\t+35:00\t+135:52\t+09",
    "京都\t+35:01\t+135:45\t+09",
    "奈良\t+34:41\t+135:50\t+09",
    "大阪\t+34:41\t+135:29\t+09",
    "神戸\t+34:41\t+135:11\t+09",
    "和歌山\t+34:14\t+135:10\t+09",
    "鳥取\t+35:30\t+134:14\t+09",
    "岡山\t+34:40\t+133:56\t+09",
    "松江\t+35:28\t+133:03\t+09",
    "広島\t+34:23\t+132:27\t+09",
    "山口\t+34:11\t+131:28\t+09",
    "徳島\t+34:04\t+134:33\t+09",
    "高松\t+34:21\t+134:03\t+09",
    "高知\t+33:33\t+133:32\t+09",
    "松山\t+33:50\t+132:46\t+09",
    "福岡\t+33:35\t+130:24\t+09",
    "佐賀\t+33:15\t+130:18\t+09",
    "大分\t+33:14\t+131:37\t+09",
    "宮崎\t+31:54\t+131:25\t+09",
    "熊本\t+32:48\t+130:43\t+09",
    "長崎\t+32:45\t+129:52\t+09",
    "鹿児島\t+31:36\t+130:33\t+09",
    "那覇\t+26:13\t+127:40\t+09",
};

std::string_view CityRowName(CityEntry row)
{
    return row.substr(0, row.find('\t'));
}

std::optional<CityEntry> FindCityRow(std::string_view name)
{
    for (CityEntry row : kCityTable) {
        if (CityRowName(row) == name) {
            return row;
        }
    }
    return std::nullopt;
}

int CityRowTimeDifference(CityEntry row)
{
    return ReadLeadingInt(CityRowField(row, kTimeDifferenceField));
}

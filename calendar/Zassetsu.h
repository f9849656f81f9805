#pragma once

#include <string>
#include <vector>

// The 雑節, on the place's dates, by the sun's longitude and the cycle of
// days:
//   節分        the day before 立春
//   彼岸入り    three days before 春分 and 秋分; 彼岸明け three days after
//   社日        the 戊 day nearest to 春分 and to 秋分; when the equinox falls on
//               a 癸 day, midway between two, the earlier one if it comes
//               before noon, the later one from noon
//   八十八夜    the 88th day counting 立春 as the first; 二百十日 the 210th,
//               二百二十日 the 220th
//   入梅        the day the sun reaches 80°; 半夏生 100°
//   土用入り    the day the sun reaches 297°, 27°, 117° and 207°: the 土用
//               last from then to the day before 立春, 立夏, 立秋, 立冬
//   土用の丑    every 丑 day of a 土用

struct ZassetsuDay {
    int dayNumber = 0;  // CivilDay.h
    std::string name;
};

// Every 雑節 whose date falls in year, in order of date.
std::vector<ZassetsuDay> ZassetsuOfYear(int year, int offsetMinutes);

// The names of the day's 雑節, in the order above; most days have none.
std::vector<std::string> ZassetsuOfDay(int dayNumber, int offsetMinutes);

#pragma once

#include <string>

// Names of the 24 節気 and the 七十二候, UTF-8.

constexpr int kKoCount = 72;

// Term index = longitude / 15: 0 春分, 1 清明, ..., 18 冬至, 21 立春.
// Empty outside 0..23.
std::string SolarTermName(int index);

// 候 index = longitude / 5: 0 雀始巣 (春分の初候), ..., 54 乃東生 (冬至の
// 初候), 63 東風解凍 (立春の初候). The Japanese names of the 略本暦
// (1874), in today's characters. Empty outside 0..71.
std::string KoName(int index);

#pragma once

#include <string>
#include <string_view>

#include "platform/lunar/lunar_date.h"

namespace ledgerleaf {

// Chinese names for the parts of a lunar date, in UTF-8.

// 正月 二月 ... 十月 冬月 腊月 for 1..12; with leap, 闰 in front (闰二月).
std::string lunarMonthName(int month, bool leap = false);

// 初一 ... 初十 十一 ... 二十 廿一 ... 廿九 三十 for 1..30.
std::string_view lunarDayName(int day);

// 小寒 大寒 立春 ... 冬至 for 0..23 (the order they fall in a Gregorian year).
std::string_view solarTermName(int index);

// The sexagenary name of a lunar year: 辛丑 for 1901, 癸卯 for 2023.
std::string yearStemBranch(int lunarYear);

// The zodiac animal of a lunar year: 牛 for 1901, 兔 for 2023.
std::string_view zodiacAnimal(int lunarYear);

// The text a calendar shows under the Gregorian day: the month name on the first day of a lunar
// month (so that a leap month is never hidden), else the solar term on its day, else the lunar
// day.
std::string lunarCellText(const LunarDate& date);

}  // namespace ledgerleaf

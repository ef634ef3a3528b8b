#pragma once

namespace ledgerleaf {

// One day of the Chinese lunar calendar, with the solar term that falls on it.
struct LunarDate {
    int year = 0;       // the lunar year, named after the Gregorian year its 正月初一 falls in
    int month = 0;      // 1..12; a leap month carries the number of the month it follows
    bool leap = false;  // a leap month (闰)
    int day = 0;        // 1..30
    int monthDays = 0;  // 29 or 30: the length of this lunar month
    int solarTerm = -1;  // 0..23 (0 小寒, 1 大寒, 2 立春, ... 23 冬至), -1 when none falls today
    bool operator==(const LunarDate&) const = default;
};

}  // namespace ledgerleaf

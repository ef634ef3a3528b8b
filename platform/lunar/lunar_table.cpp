#include "platform/lunar/lunar_table.h"

#include <chrono>
#include <iterator>

namespace ledgerleaf {
namespace {

struct LunarYearRow {
    unsigned char newYearMonth;  // Gregorian month and day of 正月初一
    unsigned char newYearDay;
    unsigned char leapMonth;    // 0: no leap month this year
    unsigned short longMonths;  // bit i: the i-th month of the year (in order) has 30 days
};

#include "platform/lunar/lunar_table_data.inc"

static_assert(std::size(kLunarYears) == kTableLastYear - kTableFirstYear + 1);
static_assert(std::size(kSolarTermDays) == kTableLastYear - kTableFirstYear + 1);
static_assert(kTableFirstYear == LunarTable::kFirstYear && kTableLastYear == LunarTable::kLastYear);

using std::chrono::sys_days;
using std::chrono::year_month_day;

year_month_day civil(int year, int month, int day) {
    return year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                          std::chrono::day{unsigned(day)}};
}

sys_days newYear(int lunarYear) {
    const LunarYearRow& row = kLunarYears[lunarYear - kTableFirstYear];
    return sys_days{civil(lunarYear, row.newYearMonth, row.newYearDay)};
}

int solarTermOn(int year, int month, int day) {
    const unsigned char* days = kSolarTermDays[year - kTableFirstYear];
    for (int index = (month - 1) * 2; index < month * 2; ++index) {
        if (days[index] == day)
            return index;
    }
    return -1;
}

}  // namespace

bool LunarTable::covers(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    const year_month_day date = civil(year, month, day);
    return date.ok() && date >= civil(kFirstYear, kFirstMonth, kFirstDay) &&
           date <= civil(kLastYear, kLastMonth, kLastDay);
}

std::optional<LunarDate> LunarTable::find(int year, int month, int day) {
    if (!covers(year, month, day))
        return std::nullopt;
    const sys_days date{civil(year, month, day)};
    LunarDate lunar;
    lunar.year = date < newYear(year) ? year - 1 : year;
    const LunarYearRow& row = kLunarYears[lunar.year - kTableFirstYear];
    const int months = row.leapMonth ? 13 : 12;
    int offset = (date - newYear(lunar.year)).count();
    for (int i = 0; i < months; ++i) {
        const int length = (row.longMonths >> i) & 1 ? 30 : 29;
        if (offset < length) {
            const int leap = row.leapMonth;
            lunar.month = leap == 0 || i < leap ? i + 1 : i;
            lunar.leap = leap != 0 && i == leap;
            lunar.day = offset + 1;
            lunar.monthDays = length;
            lunar.solarTerm = solarTermOn(year, month, day);
            return lunar;
        }
        offset -= length;
    }
    return std::nullopt;  // only when the table itself is broken; the reference test catches it
}

}  // namespace ledgerleaf

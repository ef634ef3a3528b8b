#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/lunar/lunar_names.h"
#include "platform/lunar/lunar_table.h"

namespace ledgerleaf {
namespace {

using namespace std::chrono;

// The reference file was written by tools/lunar-source straight from the published package,
// without the compact table; every day of the range must agree.
TEST(LunarTable, AgreesWithTheReferenceOnEveryDayOfTheRange) {
    std::ifstream in(LUNAR_REFERENCE_FILE);
    ASSERT_TRUE(in) << "cannot read " << LUNAR_REFERENCE_FILE;
    sys_days expected = sys_days{year{1901} / 2 / 19};
    int lines = 0, mismatches = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lines;
        int y = 0, m = 0, d = 0, lunarYear = 0, lunarMonth = 0, lunarDay = 0, used = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%d-%d-%d,%d,%d,%d,%n", &y, &m, &d, &lunarYear,
                              &lunarMonth, &lunarDay, &used),
                  6)
            << line;
        const std::string term = line.substr(used);
        ASSERT_EQ(sys_days{year{y} / m / d}, expected) << "the reference skips a day: " << line;
        expected += days{1};

        const auto lunar = LunarTable::find(y, m, d);
        ASSERT_TRUE(lunar) << line;
        const bool same = lunar->year == lunarYear &&
                          (lunar->leap ? -lunar->month : lunar->month) == lunarMonth &&
                          lunar->day == lunarDay && solarTermName(lunar->solarTerm) == term &&
                          lunar->day <= lunar->monthDays;
        if (!same && ++mismatches <= 10) {
            ADD_FAILURE() << "reference " << line << ", table " << lunar->year << ","
                          << (lunar->leap ? -lunar->month : lunar->month) << "," << lunar->day
                          << "," << solarTermName(lunar->solarTerm);
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(expected, sys_days{year{2049} / 1 / 1}) << "the reference must end on 2048-12-31";
    EXPECT_EQ(lines, 54008);
}

// The month length must match where the next month begins: day 1 follows day monthDays.
TEST(LunarTable, MonthLengthsMatchWhereTheNextMonthBegins) {
    sys_days day = sys_days{year{1901} / 2 / 19};
    auto previous = LunarTable::find(1901, 2, 19);
    for (day += days{1}; day <= sys_days{year{2048} / 12 / 31}; day += days{1}) {
        const year_month_day ymd{day};
        const auto lunar =
            LunarTable::find(int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day()));
        ASSERT_TRUE(lunar);
        if (lunar->day == 1) {
            ASSERT_EQ(previous->day, previous->monthDays)
                << int(ymd.year()) << "-" << unsigned(ymd.month()) << "-" << unsigned(ymd.day());
        } else {
            ASSERT_EQ(lunar->day, previous->day + 1);
            ASSERT_EQ(lunar->monthDays, previous->monthDays);
        }
        previous = lunar;
    }
}

struct KnownDay {
    int year, month, day;
    int lunarYear, lunarMonth;  // negative for a leap month
    int lunarDay;
    const char* term;      // "" when none
    const char* cellText;  // what the calendar shows under the day
    const char* yearName;  // 干支 and animal of the lunar year
};

TEST(LunarTable, WellKnownDays) {
    const KnownDay cases[] = {
        // Lunar new years, and the eve before some of them.
        {1901, 2, 19, 1901, 1, 1, "雨水", "正月", "辛丑牛"},
        {2000, 2, 5, 2000, 1, 1, "", "正月", "庚辰龙"},
        {2024, 2, 10, 2024, 1, 1, "", "正月", "甲辰龙"},
        {2024, 2, 9, 2023, 12, 30, "", "三十", "癸卯兔"},
        {2025, 1, 28, 2024, 12, 29, "", "廿九", "甲辰龙"},
        {2027, 2, 6, 2027, 1, 1, "", "正月", "丁未羊"},
        {2027, 2, 5, 2026, 12, 29, "", "廿九", "丙午马"},
        {2030, 2, 3, 2030, 1, 1, "", "正月", "庚戌狗"},
        {2030, 2, 2, 2029, 12, 30, "", "三十", "己酉鸡"},
        {2048, 2, 14, 2048, 1, 1, "", "正月", "戊辰龙"},
        // January belongs to the previous lunar year.
        {2000, 1, 1, 1999, 11, 25, "", "廿五", "己卯兔"},
        // 2023 has a leap second month, 闰二月, from 22 March to 19 April.
        {2023, 3, 21, 2023, 2, 30, "春分", "春分", "癸卯兔"},
        {2023, 3, 22, 2023, -2, 1, "", "闰二月", "癸卯兔"},
        {2023, 4, 19, 2023, -2, 29, "", "廿九", "癸卯兔"},
        {2023, 4, 20, 2023, 3, 1, "谷雨", "三月", "癸卯兔"},
        // Festivals: Mid-Autumn 2023, Dragon Boat 2024.
        {2023, 9, 29, 2023, 8, 15, "", "十五", "癸卯兔"},
        {2024, 6, 10, 2024, 5, 5, "", "初五", "甲辰龙"},
        // 立春 and 冬至 of a few years.
        {2000, 2, 4, 1999, 12, 29, "立春", "立春", "己卯兔"},
        {2023, 2, 4, 2023, 1, 14, "立春", "立春", "癸卯兔"},
        {2024, 2, 4, 2023, 12, 25, "立春", "立春", "癸卯兔"},
        {2025, 2, 3, 2025, 1, 6, "立春", "立春", "乙巳蛇"},
        {2019, 12, 22, 2019, 11, 27, "冬至", "冬至", "己亥猪"},
        {2021, 12, 21, 2021, 11, 18, "冬至", "冬至", "辛丑牛"},
        {2022, 12, 22, 2022, 11, 29, "冬至", "冬至", "壬寅虎"},
        // The last day of the range.
        {2048, 12, 31, 2048, 11, 27, "", "廿七", "戊辰龙"},
    };
    for (const KnownDay& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        const auto lunar = LunarTable::find(c.year, c.month, c.day);
        ASSERT_TRUE(lunar);
        EXPECT_EQ(lunar->year, c.lunarYear);
        EXPECT_EQ(lunar->month, std::abs(c.lunarMonth));
        EXPECT_EQ(lunar->leap, c.lunarMonth < 0);
        EXPECT_EQ(lunar->day, c.lunarDay);
        EXPECT_EQ(solarTermName(lunar->solarTerm), c.term);
        EXPECT_EQ(lunarCellText(*lunar), c.cellText);
        EXPECT_EQ(yearStemBranch(lunar->year) + std::string{zodiacAnimal(lunar->year)}, c.yearName);
    }
}

TEST(LunarTable, FindsNothingOutsideTheRangeOrForImpossibleDates) {
    const int outside[][3] = {{1901, 2, 18}, {2049, 1, 1},  {1900, 6, 1},  {2023, 2, 29},
                              {2023, 13, 1}, {2023, 0, 10}, {2023, 4, 31}, {2023, 5, 0}};
    for (const auto& d : outside) {
        EXPECT_FALSE(LunarTable::find(d[0], d[1], d[2])) << d[0] << "-" << d[1] << "-" << d[2];
    }
    EXPECT_TRUE(LunarTable::find(2024, 2, 29));
}

TEST(LunarNames, MonthAndDayNames) {
    EXPECT_EQ(lunarMonthName(1), "正月");
    EXPECT_EQ(lunarMonthName(10), "十月");
    EXPECT_EQ(lunarMonthName(11), "冬月");
    EXPECT_EQ(lunarMonthName(12), "腊月");
    EXPECT_EQ(lunarMonthName(6, true), "闰六月");
    EXPECT_EQ(lunarDayName(10), "初十");
    EXPECT_EQ(lunarDayName(11), "十一");
    EXPECT_EQ(lunarDayName(20), "二十");
    EXPECT_EQ(lunarDayName(21), "廿一");
    EXPECT_EQ(lunarDayName(30), "三十");
}

}  // namespace
}  // namespace ledgerleaf

#include "platform/lunar/lunar_names.h"

#include <array>

namespace ledgerleaf {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"};

constexpr std::array<std::string_view, 30> kDays = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

constexpr std::array<std::string_view, 24> kSolarTerms = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                       "马", "羊", "猴", "鸡", "狗", "猪"};

// Year 4 (甲子) starts the cycle; works for any year, also before it.
int cycle(int year, int length) {
    const int r = (year - 4) % length;
    return r < 0 ? r + length : r;
}

}  // namespace

std::string lunarMonthName(int month, bool leap) {
    if (month < 1 || month > 12)
        return {};
    std::string name = leap ? "闰" : "";
    name += kMonths[month - 1];
    return name;
}

std::string_view lunarDayName(int day) {
    return day >= 1 && day <= 30 ? kDays[day - 1] : std::string_view{};
}

std::string_view solarTermName(int index) {
    return index >= 0 && index < 24 ? kSolarTerms[index] : std::string_view{};
}

std::string yearStemBranch(int lunarYear) {
    std::string name{kStems[cycle(lunarYear, 10)]};
    name += kBranches[cycle(lunarYear, 12)];
    return name;
}

std::string_view zodiacAnimal(int lunarYear) {
    return kAnimals[cycle(lunarYear, 12)];
}

std::string lunarCellText(const LunarDate& date) {
    if (date.day == 1)
        return lunarMonthName(date.month, date.leap);
    if (date.solarTerm >= 0)
        return std::string{solarTermName(date.solarTerm)};
    return std::string{lunarDayName(date.day)};
}

}  // namespace ledgerleaf

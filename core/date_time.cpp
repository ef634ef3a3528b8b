#include "core/date_time.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace ledgerleaf {

namespace {

constexpr int kSecondsPerDay = 86400;
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;
constexpr double kLastSecond = kLastDay + (kSecondsPerDay - 1) / double(kSecondsPerDay);

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct CivilDate {
    int year;
    int month;
    int day;
};

// The date of the given day counted from 1970-01-01.
constexpr CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr std::int64_t kEpoch = daysFromCivil(1899, 12, 30);

static_assert(daysFromCivil(100, 1, 1) - kEpoch == static_cast<std::int64_t>(kFirstDay));
static_assert(daysFromCivil(9999, 12, 31) - kEpoch == static_cast<std::int64_t>(kLastDay));

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads 1 to `maxDigits` ASCII digits at `pos`; nothing when there is no digit.
std::optional<int> readNumber(std::string_view text, std::size_t& pos, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (digits == maxDigits)
            return std::nullopt;  // too many digits
        value = value * 10 + (text[pos] - '0');
        ++digits;
        ++pos;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

// Takes the marker (a Chinese unit such as "年") or one of the separators "-", ".", "/", ":"
// at `pos`; false when neither is there.
bool readSeparator(std::string_view text, std::size_t& pos, std::string_view marker) {
    if (text.substr(pos, marker.size()) == marker) {
        pos += marker.size();
        return true;
    }
    if (pos < text.size()) {
        const char c = text[pos];
        if (c == '-' || c == '.' || c == '/' || c == ':') {
            ++pos;
            return true;
        }
    }
    return false;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

double clampDateTime(double value) {
    if (std::isnan(value) || value < kFirstDay)
        return kFirstDay;
    if (value > kLastSecond)
        return kLastSecond;
    return value;
}

DateTimeParts toParts(double value) {
    value = clampDateTime(value);
    // The day is the integer part (towards zero); the time of day is the fraction's size, so a
    // negative value still counts its time forwards from midnight.
    double dayPart = std::trunc(value);
    std::int64_t day = static_cast<std::int64_t>(dayPart);
    long long seconds = std::llround(std::fabs(value - dayPart) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {  // rounded up to the next midnight
        seconds = 0;
        ++day;
    }
    const CivilDate date = civilFromDays(day + kEpoch);
    DateTimeParts parts;
    parts.year = date.year;
    parts.month = date.month;
    parts.day = date.day;
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    return parts;
}

std::optional<double> fromParts(const DateTimeParts& p) {
    if (p.year < kFirstYear || p.year > kLastYear || p.month < 1 || p.month > 12 || p.day < 1 ||
        p.day > daysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
        p.minute > 59 || p.second < 0 || p.second > 59) {
        return std::nullopt;
    }
    const double day = static_cast<double>(
        daysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) -
        kEpoch);
    const double time = (p.hour * 3600 + p.minute * 60 + p.second) / double(kSecondsPerDay);
    return day < 0 ? day - time : day + time;
}

double datePart(double value) {
    DateTimeParts parts = toParts(value);
    parts.hour = parts.minute = parts.second = 0;
    return *fromParts(parts);
}

std::string dateText(double value) {
    const DateTimeParts p = toParts(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d年%d月%d日", p.year, p.month, p.day);
    return buffer;
}

std::string dateTimeText(double value) {
    const DateTimeParts p = toParts(value);
    char buffer[96];
    if (p.second != 0) {
        std::snprintf(buffer, sizeof buffer, "%d年%d月%d日%d时%d分%d秒", p.year, p.month, p.day,
                      p.hour, p.minute, p.second);
    } else if (p.minute != 0) {
        std::snprintf(buffer, sizeof buffer, "%d年%d月%d日%d时%d分", p.year, p.month, p.day, p.hour,
                      p.minute);
    } else if (p.hour != 0) {
        std::snprintf(buffer, sizeof buffer, "%d年%d月%d日%d时", p.year, p.month, p.day, p.hour);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d年%d月%d日", p.year, p.month, p.day);
    }
    return buffer;
}

std::optional<double> parseDateText(std::string_view input) {
    const std::string_view text = trimmed(input);
    std::size_t pos = 0;
    DateTimeParts parts;
    parts.hour = parts.minute = parts.second = 0;

    // Year, month and day; each with its unit or a separator, the one after the day may be left
    // out when the text ends there or a space leads to the time.
    const auto year = readNumber(text, pos, 4);
    if (!year || !readSeparator(text, pos, "年"))
        return std::nullopt;
    const auto month = readNumber(text, pos, 2);
    if (!month || !readSeparator(text, pos, "月"))
        return std::nullopt;
    const auto day = readNumber(text, pos, 2);
    if (!day)
        return std::nullopt;
    parts.year = *year;
    parts.month = *month;
    parts.day = *day;
    const bool daySeparated = readSeparator(text, pos, "日");
    bool spaced = false;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
        spaced = true;
    }
    if (pos < text.size() && !daySeparated && !spaced)
        return std::nullopt;

    // Hour, minute and second, in that order, as far as the text goes.
    static constexpr std::string_view kTimeUnits[] = {"时", "分", "秒"};
    int* const timeParts[] = {&parts.hour, &parts.minute, &parts.second};
    for (int i = 0; i < 3 && pos < text.size(); ++i) {
        const auto number = readNumber(text, pos, 2);
        if (!number)
            return std::nullopt;
        *timeParts[i] = *number;
        if (!readSeparator(text, pos, kTimeUnits[i]) && pos < text.size())
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return fromParts(parts);
}

std::string numberText(long long value) {
    return std::to_string(value);
}

std::string boolText(bool value) {
    return value ? "真" : "假";
}

}  // namespace ledgerleaf

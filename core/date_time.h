#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ledgerleaf {

// A date-time value counts days since 1899-12-30; the fraction is the time of day. For a
// negative value the time of day is the absolute value of the fraction (-1.25 is
// 1899-12-29 06:00), as in OLE automation dates. Values are clamped into the range below
// before they are compared or converted.
inline constexpr double kFirstDay = -657434.0;  // 0100-01-01
inline constexpr double kLastDay = 2958465.0;   // 9999-12-31

struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const DateTimeParts&) const = default;
};

// Clamps into [kFirstDay, kLastDay + the last second of that day]; NaN becomes kFirstDay.
double clampDateTime(double value);

// The calendar parts of a (clamped) value, the time rounded to the nearest second.
DateTimeParts toParts(double value);

// The value of the given parts; nothing when a part is out of range (month 13, 30 February,
// hour 24, a date outside 0100-01-01..9999-12-31).
std::optional<double> fromParts(const DateTimeParts& parts);

// The date part of a (clamped) value: the same day at 00:00:00.
double datePart(double value);

// "2011年4月10日": year, "年", month, "月", day, "日", no leading zeros.
std::string dateText(double value);

// The date text followed by the time down to its last non-zero part:
// "9时30分12秒", "9时30分", "9时", or nothing at midnight.
std::string dateTimeText(double value);

// Parses a date text back: a year of 1-4 digits, month and day of 1-2 digits, each followed by
// "年"/"月"/"日" or one of "-", ".", "/", ":"; optionally hour, minute and second in the same
// way ("时"/"分"/"秒" or a separator; the last separator may be left out). Nothing when the
// text does not have this form or names no real date or time.
std::optional<double> parseDateText(std::string_view text);

// Integers in decimal; booleans as "真" and "假".
std::string numberText(long long value);
std::string boolText(bool value);

}  // namespace ledgerleaf

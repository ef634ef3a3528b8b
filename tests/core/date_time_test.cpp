#include "core/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ledgerleaf {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kLastSecondOfRange = kLastDay + 86399.0 / 86400.0;

DateTimeParts parts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTimeParts{y, mo, d, h, mi, s};
}

// Known days of the calendar, including the ends of the range, leap days and days before
// 1899-12-30 (negative values).
struct KnownDay {
    double value;
    DateTimeParts parts;
};

const std::vector<KnownDay> kKnownDays = {
    {0.0, parts(1899, 12, 30)},
    {1.0, parts(1899, 12, 31)},
    {2.0, parts(1900, 1, 1)},
    {60.0, parts(1900, 2, 28)},
    {61.0, parts(1900, 3, 1)},  // 1900 has no 29 February
    {40643.0, parts(2011, 4, 10)},
    {36585.0, parts(2000, 2, 29)},
    {kLastDay, parts(9999, 12, 31)},
    {kFirstDay, parts(100, 1, 1)},
    {-1.0, parts(1899, 12, 29)},
    {-1.25, parts(1899, 12, 29, 6)},
    {-1.75, parts(1899, 12, 29, 18)},
    {-0.5, parts(1899, 12, 30, 12)},
    {-36522.0, parts(1800, 1, 1)},
    {0.5, parts(1899, 12, 30, 12)},
    {40643.0 + (9 * 3600 + 30 * 60 + 12) * kSecond, parts(2011, 4, 10, 9, 30, 12)},
    {kLastSecondOfRange, parts(9999, 12, 31, 23, 59, 59)},
};

TEST(DateTime, KnownDaysConvertBothWays) {
    for (const auto& known : kKnownDays) {
        SCOPED_TRACE(known.value);
        EXPECT_EQ(toParts(known.value), known.parts);
        const auto back = fromParts(known.parts);
        ASSERT_TRUE(back.has_value());
        // -0.5 and 0.5 are the same moment; the positive form is the one given back.
        const double expected = known.value == -0.5 ? 0.5 : known.value;
        EXPECT_NEAR(*back, expected, kSecond / 100);
    }
}

TEST(DateTime, ValuesOutsideTheRangeAreClamped) {
    struct Case {
        double value;
        double clamped;
    };
    const Case cases[] = {
        {kFirstDay - 1, kFirstDay},
        {-1e300, kFirstDay},
        {-std::numeric_limits<double>::infinity(), kFirstDay},
        {std::numeric_limits<double>::quiet_NaN(), kFirstDay},
        {kLastDay + 1, kLastSecondOfRange},
        {1e300, kLastSecondOfRange},
        {std::numeric_limits<double>::infinity(), kLastSecondOfRange},
        {kFirstDay, kFirstDay},
        {kLastDay, kLastDay},
        {12345.5, 12345.5},
        {-12345.5, -12345.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(clampDateTime(c.value), c.clamped);
    }
    EXPECT_EQ(toParts(kLastDay + 5000), parts(9999, 12, 31, 23, 59, 59));
    EXPECT_EQ(toParts(-1e9), parts(100, 1, 1));
    EXPECT_EQ(dateText(1e12), "9999年12月31日");
    EXPECT_EQ(dateText(-1e12), "100年1月1日");
}

TEST(DateTime, TimeIsRoundedToTheNearestSecond) {
    // Just under the next midnight rounds up into the next day, forwards in time for negative
    // values too.
    EXPECT_EQ(toParts(10.0 + 0.4 * kSecond), parts(1900, 1, 9));
    EXPECT_EQ(toParts(10.0 + 0.6 * kSecond), parts(1900, 1, 9, 0, 0, 1));
    EXPECT_EQ(toParts(10.0 + 86399.7 * kSecond), parts(1900, 1, 10));
    EXPECT_EQ(toParts(-2.0 - 86399.7 * kSecond), parts(1899, 12, 29));
}

TEST(DateTime, FromPartsRejectsPartsThatNameNoMoment) {
    const DateTimeParts bad[] = {
        parts(2011, 13, 1),     parts(2011, 0, 1),         parts(2011, 2, 29),
        parts(1900, 2, 29),     parts(2011, 4, 31),        parts(2011, 4, 0),
        parts(2011, 4, 10, 24), parts(2011, 4, 10, 0, 60), parts(2011, 4, 10, 0, 0, 60),
        parts(2011, 4, 10, -1), parts(99, 12, 31),         parts(10000, 1, 1),
        parts(0, 1, 1),
    };
    for (const auto& p : bad) {
        SCOPED_TRACE(testing::Message() << p.year << "-" << p.month << "-" << p.day << " " << p.hour
                                        << ":" << p.minute << ":" << p.second);
        EXPECT_FALSE(fromParts(p).has_value());
    }
    EXPECT_TRUE(fromParts(parts(2000, 2, 29)).has_value());
    EXPECT_TRUE(fromParts(parts(2024, 2, 29, 23, 59, 59)).has_value());
}

TEST(DateTime, DatePartKeepsTheDay) {
    struct Case {
        double value;
        double day;
    };
    const Case cases[] = {
        {40643.0, 40643.0},
        {40643.99, 40643.0},
        {-1.25, -1.0},
        {-1.75, -1.0},
        {-0.5, 0.0},
        {kLastDay + 1, kLastDay},
        {kFirstDay - 1, kFirstDay},
        {40643.0 + 86399.8 * kSecond, 40644.0},  // rounds to the next midnight
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(datePart(c.value), c.day);
    }
}

TEST(DateTime, Texts) {
    struct Case {
        double value;
        const char* date;
        const char* dateTime;
    };
    const double day = 40643.0;  // 2011-04-10
    const Case cases[] = {
        {day, "2011年4月10日", "2011年4月10日"},
        {day + (9 * 3600) * kSecond, "2011年4月10日", "2011年4月10日9时"},
        {day + (9 * 3600 + 30 * 60) * kSecond, "2011年4月10日", "2011年4月10日9时30分"},
        {day + (9 * 3600 + 30 * 60 + 12) * kSecond, "2011年4月10日", "2011年4月10日9时30分12秒"},
        {day + 5 * kSecond, "2011年4月10日", "2011年4月10日0时0分5秒"},
        {day + (14 * 3600 + 7) * kSecond, "2011年4月10日", "2011年4月10日14时0分7秒"},
        {day + 60 * kSecond, "2011年4月10日", "2011年4月10日0时1分"},
        {-1.25, "1899年12月29日", "1899年12月29日6时"},
        {kFirstDay, "100年1月1日", "100年1月1日"},
        {kLastSecondOfRange, "9999年12月31日", "9999年12月31日23时59分59秒"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(dateText(c.value), c.date);
        EXPECT_EQ(dateTimeText(c.value), c.dateTime);
    }
}

TEST(DateTime, TextsParseBackToTheSameValue) {
    const double values[] = {
        0.0,
        1.0,
        -1.0,
        -1.25,
        -693.75,
        40643.0,
        40643.0 + 0.5,
        36585.0,
        kFirstDay,
        kLastDay,
        kLastSecondOfRange,
        40643.0 + (9 * 3600 + 30 * 60 + 12) * kSecond,
        40643.0 + (23 * 3600 + 1) * kSecond,
    };
    for (const double value : values) {
        SCOPED_TRACE(value);
        const auto date = parseDateText(dateText(value));
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, datePart(value));
        const auto moment = parseDateText(dateTimeText(value));
        ASSERT_TRUE(moment.has_value());
        EXPECT_NEAR(*moment, value, kSecond / 100);
        EXPECT_EQ(toParts(*moment), toParts(value));
    }
    // Every day of a leap year and of the turn of a century.
    for (double v = 36525.0; v < 36525.0 + 800; v += 1.0) {
        ASSERT_EQ(parseDateText(dateText(v)), v) << dateText(v);
    }
}

TEST(DateTime, ParsesTheAcceptedForms) {
    struct Case {
        const char* text;
        DateTimeParts expected;
    };
    const Case cases[] = {
        {"2011年4月10日", parts(2011, 4, 10)},
        {"2011-4-10", parts(2011, 4, 10)},
        {"2011-04-10", parts(2011, 4, 10)},
        {"2011/4/10/", parts(2011, 4, 10)},
        {"2011.4.10", parts(2011, 4, 10)},
        {"2011:4:10", parts(2011, 4, 10)},
        {"2011年4-10日", parts(2011, 4, 10)},
        {"  2011年4月10日 ", parts(2011, 4, 10)},
        {"100年1月1日", parts(100, 1, 1)},
        {"0100-1-1", parts(100, 1, 1)},
        {"9999年12月31日", parts(9999, 12, 31)},
        {"2011年4月10日9时", parts(2011, 4, 10, 9)},
        {"2011年4月10日9时30分", parts(2011, 4, 10, 9, 30)},
        {"2011年4月10日9时30分12秒", parts(2011, 4, 10, 9, 30, 12)},
        {"2011-4-10 9:30:12", parts(2011, 4, 10, 9, 30, 12)},
        {"2011-4-10 9:30", parts(2011, 4, 10, 9, 30)},
        {"2011-4-10-23-59-59", parts(2011, 4, 10, 23, 59, 59)},
        {"2011年4月10日23时59分59", parts(2011, 4, 10, 23, 59, 59)},
        {"2000年2月29日", parts(2000, 2, 29)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto value = parseDateText(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(toParts(*value), c.expected);
    }
}

TEST(DateTime, MalformedTextGivesNothing) {
    const char* const cases[] = {
        "",
        "   ",
        "2011",
        "2011年",
        "2011年4月",
        "2011年4月日",
        "年4月10日",
        "20111年4月10日",   // five-digit year
        "2011年104月10日",  // three-digit month
        "2011年4月100日",   // three-digit day
        "2011年13月1日",    // no such month
        "2011年2月29日",    // not a leap year
        "1900年2月29日",    // not a leap year either
        "2011年4月31日",
        "2011年0月10日",
        "2011年4月0日",
        "99年12月31日",  // before 0100-01-01
        "0年1月1日",
        "2011年4月10日24时",
        "2011年4月10日9时60分",
        "2011年4月10日9时30分60秒",
        "2011年4月10日9时30分12秒5",  // a fourth time part
        "2011年4月10日x",
        "2011月4年10日",  // units in the wrong places
        "2011年4月10时",
        "2011 4 10",
        "2011--4-10",
        "2011-4-109",  // no separator between day and hour
        "-2011-4-10",
        "+2011-4-10",
        "2011-4-10 9::30",
        "2011-4-10 9时 30分",
        "２０１１年４月１０日",  // full-width digits
        "2011\xe5\xb9",          // cut inside a UTF-8 character
        "2011年4月10日\xff",
        "abc",
        "99999999999999999999-1-1",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseDateText(text).has_value());
    }
    // Embedded NUL is not the end of the text.
    EXPECT_FALSE(parseDateText(std::string_view("2011-4-10\0junk", 14)).has_value());
}

TEST(DateTime, NumberAndBoolTexts) {
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(42), "42");
    EXPECT_EQ(numberText(-7), "-7");
    EXPECT_EQ(numberText(9223372036854775807LL), "9223372036854775807");
    EXPECT_EQ(boolText(true), "真");
    EXPECT_EQ(boolText(false), "假");
}

}  // namespace
}  // namespace ledgerleaf

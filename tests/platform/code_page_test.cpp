#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace ledgerleaf {
namespace {

TEST(CodePage, ChineseTextRoundTripsThroughGbkByteForByte) {
    struct Case {
        const char* utf8;
        std::string gbk;
    };
    const Case cases[] = {
        {"字体设置", "\xD7\xD6\xCC\xE5\xC9\xE8\xD6\xC3"},
        {"背景颜色=16777215", "\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB=16777215"},
        {"宋体", "\xCB\xCE\xCC\xE5"},
        {"真", "\xD5\xE6"},
        {"a [b] c", "a [b] c"},
        {"", ""},
    };
    for (const CodePage& page : {CodePage("GBK"), CodePage("windows-936")}) {
        SCOPED_TRACE(page.name());
        ASSERT_TRUE(page.isAvailable());
        for (const auto& c : cases) {
            SCOPED_TRACE(c.utf8);
            EXPECT_EQ(page.fromUtf8(c.utf8), c.gbk);
            EXPECT_EQ(page.toUtf8(c.gbk), std::string(c.utf8));
        }
    }
}

TEST(CodePage, TextTheCodePageCannotHoldIsRefusedNotReplaced) {
    const CodePage gbk("GBK");
    const char* const cases[] = {
        "\xF0\x9F\x98\x80",      // an emoji
        "字体\xF0\x9F\x98\x80",  // Chinese followed by an emoji
        "\xE0\xB8\x81",          // Thai
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(gbk.fromUtf8(text).has_value());
    }
    EXPECT_FALSE(CodePage("ISO-8859-1").fromUtf8("字").has_value());
}

TEST(CodePage, MalformedInputIsRefused) {
    const CodePage gbk("GBK");
    // Not UTF-8: a lone continuation byte, a cut sequence, an encoded surrogate.
    for (const char* text : {"\x80", "a\xE5\xAD", "\xED\xA0\x80"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(gbk.fromUtf8(text).has_value());
    }
    // Not GBK: a lead byte at the end, lead bytes with invalid trails.
    for (const char* bytes : {"\xD7", "ab\xD7", "\x81\x20", "\x81\x7F"}) {
        SCOPED_TRACE(bytes);
        EXPECT_FALSE(gbk.toUtf8(bytes).has_value());
    }
}

TEST(CodePage, UnknownCodePageConvertsNothing) {
    const CodePage unknown("no-such-code-page");
    EXPECT_FALSE(unknown.isAvailable());
    EXPECT_FALSE(unknown.fromUtf8("abc").has_value());
    EXPECT_FALSE(unknown.toUtf8("abc").has_value());
}

TEST(CodePage, SystemCodePageIsUsable) {
    const CodePage page = CodePage::system();
    EXPECT_TRUE(page.isAvailable()) << page.name();
    EXPECT_EQ(page.fromUtf8("config 123"), "config 123");
    EXPECT_EQ(page.toUtf8("config 123"), "config 123");
}

}  // namespace
}  // namespace ledgerleaf

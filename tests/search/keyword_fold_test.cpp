// The matcher folds memo text code point by code point with shortcuts for text that folding
// leaves alone; these tests hold it to ICU's folding of the whole text.
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <random>
#include <string>
#include <vector>

#include "search/keyword_matcher.h"

namespace ledgerleaf {
namespace {

// ICU's full case folding of the whole text, invalid UTF-8 taken as U+FFFD.
std::string referenceFold(std::string_view utf8) {
    std::u16string source;
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0)
            c = 0xFFFD;
        char16_t units[2];
        int32_t n = 0;
        U16_APPEND_UNSAFE(units, n, c);
        source.append(units, std::size_t(n));
    }
    std::u16string folded(source.size() * 3 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = u_strFoldCase(reinterpret_cast<UChar*>(folded.data()), int32_t(folded.size()),
                                    reinterpret_cast<const UChar*>(source.data()),
                                    int32_t(source.size()), U_FOLD_CASE_DEFAULT, &status);
    EXPECT_TRUE(U_SUCCESS(status));
    std::string out;
    for (int32_t i = 0; i < n;) {
        UChar32 c;
        U16_NEXT(folded.data(), i, n, c);
        uint8_t bytes[4];
        int32_t k = 0;
        U8_APPEND_UNSAFE(bytes, k, c);
        out.append(reinterpret_cast<const char*>(bytes), std::size_t(k));
    }
    return out;
}

std::string utf8Of(UChar32 c) {
    uint8_t bytes[4];
    int32_t k = 0;
    U8_APPEND_UNSAFE(bytes, k, c);
    return std::string(reinterpret_cast<const char*>(bytes), std::size_t(k));
}

bool referenceMatch(const std::string& keyword, const std::string& memo) {
    const std::string folded = referenceFold(keyword);
    return !folded.empty() && !memo.empty() &&
           referenceFold(memo).find(folded) != std::string::npos;
}

TEST(KeywordFoldTest, EveryCodePointFoldsAsIcuFoldsIt) {
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (U_IS_SURROGATE(c))
            continue;
        const std::string text = utf8Of(c);
        ASSERT_EQ(KeywordMatcher::fold(text), referenceFold(text)) << "U+" << std::hex << c;
        // Inside Chinese text too, where the shortcut for unchanged text runs first.
        const std::string inText = "今天" + text + "公园";
        ASSERT_EQ(KeywordMatcher::fold(inText), referenceFold(inText)) << "U+" << std::hex << c;
    }
}

TEST(KeywordFoldTest, FoldingAPlaneBeyondTheFirstNeverGivesACharacterOfTheFirst) {
    // The matcher searches a keyword unfolded only when none of its characters comes out of
    // folding another one; it knows that for the first plane and relies on this for the rest.
    for (UChar32 c = 0x10000; c <= 0x10FFFF; ++c) {
        const std::string folded = KeywordMatcher::fold(utf8Of(c));
        const auto* s = reinterpret_cast<const uint8_t*>(folded.data());
        for (int32_t i = 0; i < int32_t(folded.size());) {
            UChar32 part;
            U8_NEXT(s, i, int32_t(folded.size()), part);
            ASSERT_GE(part, 0x10000) << "U+" << std::hex << c;
        }
    }
}

TEST(KeywordFoldTest, InvalidAndMixedTextFoldsAsIcuFoldsIt) {
    const std::vector<std::string> texts = {
        "",
        "\xE5\x85",                    // a character cut short at the end
        "\xE5\x85公园",                // ... and in the middle
        "\xC0\xAF/",                   // an overlong slash
        "\xED\xA0\x80 surrogate",      // an encoded surrogate
        "\xF4\x90\x80\x80 too large",  // beyond U+10FFFF
        "\x80\x80\xBF stray trails",
        "\xFF\xFE bytes that never start a character",
        "Café ΣΟΦΙΑ Straße İstanbul ǅ ﬃ ＡＢＣ 𐐀𐐁 😀 A\u0301",
    };
    for (const std::string& text : texts)
        EXPECT_EQ(KeywordMatcher::fold(text), referenceFold(text))
            << ::testing::PrintToString(text);

    // Random text from a mix of scripts, marks, emoji and broken bytes.
    const std::vector<std::string> pieces = {"公",   "园",   "的",   "，", "。", "Park",   "park",
                                             "PARK", "ß",    "ẞ",    "İ",  "i",  "\u0307", "Σ",
                                             "ς",    "ſ",    "K",    "Ａ", "ａ", "𐐀",      "𐐨",
                                             "😀",    "\xE5", "\x85", " ",  "ŉ",  "ʼ",      "Ω"};
    std::mt19937 random(42);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int i = random() % 20; i > 0; --i)
            text += pieces[random() % pieces.size()];
        ASSERT_EQ(KeywordMatcher::fold(text), referenceFold(text))
            << ::testing::PrintToString(text);
        const std::string keyword = pieces[random() % pieces.size()] +
                                    (random() % 2 ? pieces[random() % pieces.size()] : "");
        ASSERT_EQ(KeywordMatcher(keyword).matches(text), referenceMatch(keyword, text))
            << ::testing::PrintToString(keyword) << " in " << ::testing::PrintToString(text);
    }
}

struct MatchCase {
    const char* what;
    const char* keyword;
    const char* memo;
    bool found;
};

TEST(KeywordFoldTest, ShortcutsFindWhatFoldingTheWholeMemoFinds) {
    const MatchCase cases[] = {
        {"latin keyword, all-chinese memo", "Park", "今天去了公园，天气很好。", false},
        {"latin keyword, lowercase ascii memo", "Park", "central park", true},
        {"latin keyword after chinese", "Park", "我们在Central PARK散步", true},
        {"latin keyword at the very end", "Park", "公园park", true},
        {"latin keyword at the very start", "PARK", "Park公园", true},
        {"chinese keyword at the very end", "公园", "我们去公园", true},
        {"chinese keyword at the very start", "公园", "公园真大", true},
        {"chinese keyword after a near match", "公园", "公公园", true},
        {"chinese keyword cut by the memo's end", "公园", "公\xE5\x9B", false},
        {"chinese keyword is not a byte run across characters", "园", "公\xE5\x9B\xAD", true},
        {"chinese keyword in a memo with letters", "公园", "Central Park公园", true},
        {"emoji keyword", "😀", "今天😀开心", true},
        {"supplementary cased letters", "𐐨", "𐐀", true},
        // Folding turns ŉ into ʼn: a keyword of ʼ, which has no case itself, still finds it.
        {"a character folding makes out of another", "ʼ", "ŉ", true},
        {"a combining mark folding makes", "\u0307", "İ", true},
        // Broken bytes in a memo fold to U+FFFD, which a keyword of U+FFFD finds.
        {"replacement character", "\uFFFD", "公\xE5园", true},
        {"full-width letters", "ｐａｒｋ", "ＰＡＲＫ公园", true},
        {"sharp s both ways", "STRASSE", "straße", true},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(referenceMatch(c.keyword, c.memo), c.found) << "the case itself is wrong";
        EXPECT_EQ(KeywordMatcher(c.keyword).matches(c.memo), c.found);
    }
}

}  // namespace
}  // namespace ledgerleaf

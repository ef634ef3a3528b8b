#include "search/keyword_matcher.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <vector>

namespace ledgerleaf {

namespace {

std::u16string toUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    int32_t i = 0;
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    while (i < length) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0)
            c = 0xFFFD;
        if (c <= 0xFFFF) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(U16_LEAD(c)));
            out.push_back(static_cast<char16_t>(U16_TRAIL(c)));
        }
    }
    return out;
}

std::string toUtf8(const std::u16string& utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    int32_t i = 0;
    const auto length = static_cast<int32_t>(utf16.size());
    while (i < length) {
        UChar32 c;
        U16_NEXT(utf16.data(), i, length, c);
        char buf[4];
        int32_t n = 0;
        UBool error = false;
        U8_APPEND(reinterpret_cast<uint8_t*>(buf), n, 4, c, error);
        if (error) {
            n = 0;
            U8_APPEND_UNSAFE(reinterpret_cast<uint8_t*>(buf), n, 0xFFFD);
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
    return out;
}

// Whether any character of the text is affected by case folding or is cased at all.
bool hasCasedCharacters(std::string_view utf8) {
    int32_t i = 0;
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    while (i < length) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0)
            return true;
        if (c < 0x80) {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                return true;
            continue;
        }
        // Combining marks count too: a folded memo can produce one (İ folds to i + U+0307).
        const int8_t category = u_charType(c);
        if (u_hasBinaryProperty(c, UCHAR_CASED) ||
            u_hasBinaryProperty(c, UCHAR_CHANGES_WHEN_CASEFOLDED) ||
            category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK)
            return true;
    }
    return false;
}

}  // namespace

std::string KeywordMatcher::fold(std::string_view utf8) {
    const std::u16string source = toUtf16(utf8);
    if (source.empty())
        return std::string();
    std::u16string folded(source.size() + 16, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t n = u_strFoldCase(reinterpret_cast<UChar*>(folded.data()), int32_t(folded.size()),
                              reinterpret_cast<const UChar*>(source.data()), int32_t(source.size()),
                              U_FOLD_CASE_DEFAULT, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        folded.assign(std::size_t(n), u'\0');
        status = U_ZERO_ERROR;
        n = u_strFoldCase(reinterpret_cast<UChar*>(folded.data()), n,
                          reinterpret_cast<const UChar*>(source.data()), int32_t(source.size()),
                          U_FOLD_CASE_DEFAULT, &status);
    }
    if (U_FAILURE(status))
        return std::string(utf8);
    folded.resize(std::size_t(n));
    return toUtf8(folded);
}

KeywordMatcher::KeywordMatcher(std::string_view keywordUtf8)
    : folded_(fold(keywordUtf8)), caseless_(!hasCasedCharacters(keywordUtf8)) {}

bool KeywordMatcher::matches(std::string_view memoUtf8) const {
    if (folded_.empty() || memoUtf8.empty())
        return false;
    // A keyword of uncased characters (Chinese, digits, punctuation) can only be matched by the
    // same characters, which folding leaves alone and never produces from anything else: search
    // the memo as it is. UTF-8 never matches across character boundaries.
    if (caseless_)
        return memoUtf8.find(folded_) != std::string_view::npos;
    return fold(memoUtf8).find(folded_) != std::string::npos;
}

}  // namespace ledgerleaf

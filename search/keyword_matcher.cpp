#include "search/keyword_matcher.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <bitset>
#include <cstring>

namespace ledgerleaf {

namespace {

// Full case folding is context-free: the folding of a text is the folding of each of its code
// points. Most code points fold to themselves; these tables, made once from ICU, say which BMP
// code points do not, and which ones folding can make out of another code point.
struct FoldTables {
    std::bitset<0x10000> changes;
    std::bitset<0x10000> produced;
};

// The full folding of one code point, in UTF-16; at most three units.
int32_t foldCodePoint(UChar32 c, UChar (&out)[8]) {
    UChar source[2];
    int32_t length = 0;
    U16_APPEND_UNSAFE(source, length, c);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = u_strFoldCase(out, 8, source, length, U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status)) {  // not expected; keep the code point as it is
        std::memcpy(out, source, sizeof(UChar) * std::size_t(length));
        return length;
    }
    return n;
}

bool foldsToItself(UChar32 c) {
    UChar folded[8];
    const int32_t n = foldCodePoint(c, folded);
    UChar32 first = 0;
    int32_t i = 0;
    U16_NEXT(folded, i, n, first);
    return i == n && first == c;
}

FoldTables makeFoldTables() {
    FoldTables t;
    for (UChar32 c = 0; c < 0x10000; ++c) {
        if (U_IS_SURROGATE(c) || foldsToItself(c))
            continue;
        t.changes.set(std::size_t(c));
        UChar folded[8];
        const int32_t n = foldCodePoint(c, folded);
        for (int32_t i = 0; i < n;) {
            UChar32 part = 0;
            U16_NEXT(folded, i, n, part);
            if (part < 0x10000)
                t.produced.set(std::size_t(part));
        }
    }
    // Invalid UTF-8 in a memo becomes U+FFFD.
    t.produced.set(0xFFFD);
    return t;
}

const FoldTables& foldTables() {
    static const FoldTables tables = makeFoldTables();
    return tables;
}

// Whether folding leaves this decoded code point (negative for an invalid sequence) as it is.
bool unchangedByFolding(UChar32 c, const FoldTables& tables) {
    if (c < 0)
        return false;
    if (c < 0x10000)
        return !tables.changes[std::size_t(c)];
    return foldsToItself(c);
}

// The length of the longest start of `utf8` that folding leaves byte for byte as it is: valid
// UTF-8 (decoded as fold() decodes it) of code points that fold to themselves.
std::size_t unchangedStart(std::string_view utf8, const FoldTables& tables) {
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    int32_t i = 0;
    while (i < length) {
        const uint8_t b = s[i];
        if (b < 0x80) {
            if (b >= 'A' && b <= 'Z')
                break;
            ++i;
            continue;
        }
        // Three bytes, as every Chinese character and punctuation mark: decoded here, the
        // checks being those of U8_NEXT.
        if ((b & 0xF0) == 0xE0 && i + 2 < length && U8_IS_VALID_LEAD3_AND_T1(b, s[i + 1]) &&
            U8_IS_TRAIL(s[i + 2])) {
            const auto c = (std::size_t(b & 0x0F) << 12) | (std::size_t(s[i + 1] & 0x3F) << 6) |
                           std::size_t(s[i + 2] & 0x3F);
            if (tables.changes[c])
                break;
            i += 3;
            continue;
        }
        int32_t next = i;
        UChar32 c;
        U8_NEXT(s, next, length, c);
        if (!unchangedByFolding(c, tables))
            break;
        i = next;
    }
    return std::size_t(i);
}

void appendUtf8(UChar32 c, std::string& out) {
    char buf[4];
    int32_t n = 0;
    UBool error = false;
    U8_APPEND(reinterpret_cast<uint8_t*>(buf), n, 4, c, error);
    if (error) {
        n = 0;
        U8_APPEND_UNSAFE(reinterpret_cast<uint8_t*>(buf), n, 0xFFFD);
    }
    out.append(buf, std::size_t(n));
}

// Appends the folding of `utf8` to `out`: runs that folding leaves alone are copied, each code
// point in between is folded on its own.
void appendFolded(std::string_view utf8, const FoldTables& tables, std::string& out) {
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    int32_t i = 0;
    while (i < length) {
        const auto run = static_cast<int32_t>(unchangedStart(utf8.substr(std::size_t(i)), tables));
        out.append(utf8.data() + i, std::size_t(run));
        i += run;
        if (i >= length)
            break;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) {
            appendUtf8(0xFFFD, out);
        } else if (c < 0x80) {
            out.push_back(char(c + ('a' - 'A')));  // only A-Z end a run
        } else {
            UChar folded[8];
            const int32_t n = foldCodePoint(c, folded);
            for (int32_t k = 0; k < n;) {
                UChar32 part = 0;
                U16_NEXT(folded, k, n, part);
                appendUtf8(part, out);
            }
        }
    }
}

// Whether no character of the (valid) folded keyword can come out of folding something else
// and none changes when folded: then only the same characters in the memo can match it.
bool foldingCannotReach(std::string_view folded, const FoldTables& tables) {
    const auto* s = reinterpret_cast<const uint8_t*>(folded.data());
    const auto length = static_cast<int32_t>(folded.size());
    int32_t i = 0;
    while (i < length) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        // Supplementary code points are left to the folding search.
        if (c < 0 || c >= 0x10000 || tables.changes[std::size_t(c)] ||
            tables.produced[std::size_t(c)])
            return false;
    }
    return true;
}

}  // namespace

std::string KeywordMatcher::fold(std::string_view utf8) {
    const FoldTables& tables = foldTables();
    const std::size_t unchanged = unchangedStart(utf8, tables);
    std::string out(utf8.substr(0, unchanged));
    if (unchanged < utf8.size()) {
        out.reserve(utf8.size() + 16);
        appendFolded(utf8.substr(unchanged), tables, out);
    }
    return out;
}

KeywordMatcher::KeywordMatcher(std::string_view keywordUtf8) : folded_(fold(keywordUtf8)) {
    caseless_ = folded_ == keywordUtf8 && foldingCannotReach(folded_, foldTables());
    // Look first for the keyword's last byte when it ends a multi-byte character: one of 64
    // trail bytes is far rarer in Chinese text than a lead byte. Otherwise its first byte.
    if (!folded_.empty() && (static_cast<unsigned char>(folded_.back()) & 0xC0) == 0x80)
        anchor_ = folded_.size() - 1;
}

bool KeywordMatcher::contains(std::string_view text) const {
    const std::size_t size = folded_.size();
    if (text.size() < size)
        return false;
    const char wanted = folded_[anchor_];
    // The anchor byte of a match stands in [anchor_, end - (size - anchor_)].
    const char* from = text.data() + anchor_;
    const char* const last = text.data() + (text.size() - size) + anchor_;
    while (from <= last) {
        const auto* hit =
            static_cast<const char*>(std::memchr(from, wanted, std::size_t(last - from) + 1));
        if (!hit)
            return false;
        if (std::memcmp(hit - anchor_, folded_.data(), size) == 0)
            return true;
        from = hit + 1;
    }
    return false;
}

bool KeywordMatcher::matches(std::string_view memoUtf8) const {
    if (folded_.empty() || memoUtf8.empty())
        return false;
    // A keyword that folding can neither change nor produce is matched only by the same
    // characters: search the memo as it is. UTF-8 never matches across character boundaries.
    if (caseless_)
        return contains(memoUtf8);
    // Most memos, all Chinese, fold to themselves: search them as they are.
    const FoldTables& tables = foldTables();
    const std::size_t unchanged = unchangedStart(memoUtf8, tables);
    if (unchanged == memoUtf8.size())
        return contains(memoUtf8);
    std::string folded(memoUtf8.substr(0, unchanged));
    folded.reserve(memoUtf8.size() + 16);
    appendFolded(memoUtf8.substr(unchanged), tables, folded);
    return contains(folded);
}

}  // namespace ledgerleaf

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ledgerleaf {

// Finds a keyword in a memo as a substring, ignoring letter case by full Unicode case folding
// (Latin, full-width Latin, Greek, Cyrillic and every other cased script); Chinese text matches
// exactly. Works on the Unicode text, never on the bytes of a code page, so a keyword can never
// match across the halves of two Chinese characters.
class KeywordMatcher {
  public:
    explicit KeywordMatcher(std::string_view keywordUtf8);

    bool empty() const { return folded_.empty(); }
    // Whether the memo (UTF-8) contains the keyword, that is whether the folded memo contains
    // the folded keyword. An empty memo never does.
    bool matches(std::string_view memoUtf8) const;

    // Full case folding of UTF-8 text; invalid sequences are kept as U+FFFD.
    static std::string fold(std::string_view utf8);

  private:
    // Whether `text` holds the folded keyword as bytes.
    bool contains(std::string_view text) const;

    std::string folded_;
    // True when folding neither changes the keyword's characters nor produces them from other
    // characters: then the memo can be searched unfolded.
    bool caseless_ = false;
    // The keyword byte looked for first, and its place in the keyword: a byte that is rare in
    // text of the keyword's own script.
    std::size_t anchor_ = 0;
};

}  // namespace ledgerleaf

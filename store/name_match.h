#pragma once

#include <string>
#include <string_view>

namespace ledgerleaf {

// Table names, aliases and paths are compared with letter case ignored. Only ASCII letters have
// case in these names; other characters (Chinese among them) compare as they are.
inline std::string foldCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

inline bool sameName(std::string_view a, std::string_view b) {
    return foldCase(a) == foldCase(b);
}

}  // namespace ledgerleaf

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ledgerleaf {

// Paths are held as std::filesystem::path and cross into text only as UTF-8, so Chinese
// file names survive on every platform (on Windows the native form is UTF-16).
inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace ledgerleaf

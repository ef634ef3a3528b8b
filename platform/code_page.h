#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ledgerleaf {

// A byte encoding of text such as the system's ANSI code page, converted to and from UTF-8
// with ICU. Conversions are strict: text the code page cannot hold, and bytes that are not
// valid in the code page, give nothing instead of being replaced with '?'.
class CodePage {
  public:
    // A code page by its ICU name or alias, for example "GBK", "windows-936", "UTF-8".
    explicit CodePage(std::string name);

    // The system's code page for files of the program: on Windows the ANSI code page
    // (GetACP), elsewhere the codeset of the environment's locale (UTF-8 for the C locale).
    static CodePage system();

    const std::string& name() const { return name_; }
    // False when ICU does not know the name.
    bool isAvailable() const;

    // UTF-8 to this code page; nothing when `utf8` is not valid UTF-8 or holds a character the
    // code page has no place for.
    std::optional<std::string> fromUtf8(std::string_view utf8) const;
    // This code page to UTF-8; nothing when `bytes` are not valid in the code page.
    std::optional<std::string> toUtf8(std::string_view bytes) const;

  private:
    std::string name_;
};

}  // namespace ledgerleaf

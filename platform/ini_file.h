#pragma once

#include "platform/code_page.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ledgerleaf {

// A settings file of sections and keys ("[节]" lines and "键=值" lines) stored in a code page,
// by default the system's. Names and values are UTF-8 in the program. Section and key names
// match with ASCII letter case ignored; spaces around names and values do not count; lines
// starting with ';' are comments.
class IniFile {
  public:
    explicit IniFile(std::filesystem::path path, CodePage codePage = CodePage::system());

    const std::filesystem::path& path() const { return path_; }
    bool exists() const;

    // The value of `key` in `section`; the empty text when the file, the section or the key is
    // missing, or the file cannot be read.
    std::string read(std::string_view section, std::string_view key) const;

    // Sets `key` in `section`, adding the section or key when missing and keeping every other
    // line of the file byte for byte. The whole file is rewritten through a temporary file
    // and a rename, so a failure or crash leaves the old file. False when the file cannot be
    // read or written, when a name or the value does not fit in the code page, or when a name
    // or the value could not be read back as written (a line break, '=' in a key, ']' in a
    // section name, an empty name).
    bool write(std::string_view section, std::string_view key, std::string_view value);

  private:
    std::filesystem::path path_;
    CodePage codePage_;
};

}  // namespace ledgerleaf

#pragma once

#include <cstdint>
#include <string>

namespace ledgerleaf {

// What the font dialog chooses: font name, size in points, text colour (0x00BBGGRR) and the
// four effects.
struct FontChoice {
    std::string name;
    int size = 0;
    std::uint32_t colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontChoice&) const = default;
};

// The platform's font dialog, preset with `preset`. It gives the values it holds when it
// closes: the chosen ones after OK, the preset ones after Cancel.
class FontDialog {
  public:
    virtual ~FontDialog() = default;
    virtual FontChoice choose(const FontChoice& preset) = 0;
};

}  // namespace ledgerleaf

#pragma once

#include <QColor>
#include <cstdint>

namespace ledgerleaf {

// Colours as the settings file keeps them: a 32-bit 0x00BBGGRR value.
inline QColor colourFromValue(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline std::uint32_t colourValue(const QColor& colour) {
    return std::uint32_t(colour.red()) | (std::uint32_t(colour.green()) << 8) |
           (std::uint32_t(colour.blue()) << 16);
}

}  // namespace ledgerleaf

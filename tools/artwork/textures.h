#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>

namespace ledgerleaf {

// Surface textures, drawn pixel by pixel from seeded noise. Amplitudes are kept small: the
// pictures are compiled into the program and a coarse grain would make them large.
class Textures {
  public:
    // Warm writing paper: broad soft mottling, rare darker specks and a few faint fibres.
    static QImage paper(QSize size, QColor base, std::uint32_t seed);
    // Pebbled leather: slow changes of tone, a fine embossed grain and a few darker creases.
    static QImage leather(QSize size, QColor base, std::uint32_t seed);
    // Woven elastic: fine horizontal ribs with a faint vertical thread.
    static QImage elastic(QSize size, QColor base, std::uint32_t seed);
};

}  // namespace ledgerleaf

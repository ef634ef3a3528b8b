#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace ledgerleaf {

// Checks that a shape picture holds its cut-out colour exactly where it should and nowhere else:
// a single stray pixel of that colour would punch a hole in the window.
class KeyColourCheck {
  public:
    // An empty text when every pixel inside `cuts` is exactly `key` and no pixel outside them is;
    // otherwise a description of the first few offending pixels.
    static QString verify(const QImage& image, const std::vector<QRect>& cuts, QRgb key);
};

}  // namespace ledgerleaf

#pragma once

#include <QImage>
#include <QRect>

namespace ledgerleaf {

// The desk window's background and shape, 1240 by 550: the notebook skin at the left, the
// picture panel's navy frame at the right, and above and below the panel two strips of pure
// green, the colour the window cuts out of itself. No other pixel is pure green.
class DeskBackgroundPainter {
  public:
    static constexpr int kWidth = 1240;
    static constexpr int kHeight = 550;
    static constexpr QRect kTopCut{940, 0, 300, 30};
    static constexpr QRect kBottomCut{940, 520, 300, 30};

    static QImage paint(const QImage& skin);
    // The same outline as a 1-bit picture: black where the window is, white where it is cut out
    // (the convention of a widget mask bitmap).
    static QImage mask(const QImage& background);
};

}  // namespace ledgerleaf

#pragma once

#include <functional>

class QWidget;

namespace ledgerleaf {

// Keeps the frameless desk window docked: on every tick of the alignment timer it snaps the
// window to the top and left screen edges when it comes within 50 pixels of them (or beyond),
// and pulls it back inside the right edge. The bottom edge has no rule.
class DeskPlacement {
  public:
    static constexpr int kSnapDistance = 50;

    // `screenWidth` gives the primary screen's width, read afresh at every tick.
    DeskPlacement(QWidget& window, std::function<int()> screenWidth);

    void align_desk();

  private:
    QWidget& window_;
    std::function<int()> screenWidth_;
};

// The width of the primary screen in pixels (0 when there is none).
int primaryScreenWidth();

}  // namespace ledgerleaf

#pragma once

class QWidget;

namespace ledgerleaf {

struct DeskControls;

// The strip right of the book: the picture box with its delete "×" and its hint, and the save
// status label under the right page.
struct PicturePanel {
    static void build(QWidget* window, DeskControls& controls);
};

}  // namespace ledgerleaf

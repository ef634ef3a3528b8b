#pragma once

class QWidget;

namespace ledgerleaf {

struct DeskControls;

// The controls drawn on the skin's top and bottom bands: the title, the help, lock, unlock and
// collapse pictures, the close button and the database status line.
struct SkinBand {
    static void build(QWidget* skin, DeskControls& controls);
};

}  // namespace ledgerleaf

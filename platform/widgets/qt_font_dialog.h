#pragma once

#include "platform/font_dialog.h"

namespace ledgerleaf {

// The font dialog as a small modal window: font name, size, colour and the four effects, with
// a sample line.
class QtFontDialog : public FontDialog {
  public:
    FontChoice choose(const FontChoice& preset) override;
};

}  // namespace ledgerleaf

#pragma once

#include <QImage>

namespace ledgerleaf {

// The small pictures of the desk: each is drawn on a 32 by 32 grid and scaled to the size asked
// for, on a transparent ground. They sit on dark brown, so every one has a light rim or a light
// body that stands out there.
class IconPainter {
  public:
    enum class Icon { Calendar, Scroll, LockClosed, LockOpen, Bookshelf, Calculator, PicturePanel };

    static QImage paint(Icon icon, int size);
};

}  // namespace ledgerleaf

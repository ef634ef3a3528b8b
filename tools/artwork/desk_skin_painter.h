#pragma once

#include <QImage>

namespace ledgerleaf {

// The desk's skin: an open spiral notebook lying on its leather cover, 940 by 550. The top band
// (y 0..32) and the bottom band (y 517..549) are dark leather for the title, the icons and the
// yellow status texts; the left page carries the calendar, the ruled right page the memo.
class DeskSkinPainter {
  public:
    static constexpr int kWidth = 940;
    static constexpr int kHeight = 550;

    static QImage paint();
};

}  // namespace ledgerleaf

#pragma once

#include <QImage>

namespace ledgerleaf {

// The closed notebook shown while the diary starts, asks for its password, and folds away;
// 380 by 500. The strip from y 455 down is kept dark for the white password prompt, and the
// top right corner stays plain for the yellow close mark.
class CoverPainter {
  public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 500;

    static QImage paint();
};

}  // namespace ledgerleaf

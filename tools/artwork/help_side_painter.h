#pragma once

#include <QImage>

namespace ledgerleaf {

// The picture beside the help text, 120 by 338: the corner of a ruled page bound in leather,
// with a fountain pen lying across it.
class HelpSidePainter {
  public:
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 338;

    static QImage paint();
};

}  // namespace ledgerleaf

#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace ledgerleaf {

// A blurred silhouette painted beneath a shape, so the shape seems to lie above its ground.
class SoftShadow {
  public:
    // Paints `shape` moved by `offset`, blurred by about `blur` pixels, in `colour`
    // (whose alpha sets the shadow's strength).
    static void paint(QPainter& painter, const QPainterPath& shape, QPointF offset, int blur,
                      QColor colour);
};

}  // namespace ledgerleaf

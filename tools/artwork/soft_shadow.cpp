#include "tools/artwork/soft_shadow.h"

#include <QImage>
#include <cmath>
#include <vector>

namespace ledgerleaf {

namespace {

// One box-blur pass over the alpha channel, along rows or along columns.
void boxBlurAlpha(std::vector<int>& alpha, int width, int height, int radius, bool rows) {
    const int lines = rows ? height : width;
    const int length = rows ? width : height;
    std::vector<int> copy(length);
    const int span = 2 * radius + 1;
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> int& { return rows ? alpha[l * width + i] : alpha[i * width + l]; };
        for (int i = 0; i < length; ++i)
            copy[i] = at(i);
        int sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            if (i >= 0 && i < length)
                sum += copy[i];
        }
        for (int i = 0; i < length; ++i) {
            at(i) = sum / span;
            const int out = i - radius;
            const int in = i + radius + 1;
            if (out >= 0)
                sum -= copy[out];
            if (in < length)
                sum += copy[in];
        }
    }
}

}  // namespace

void SoftShadow::paint(QPainter& painter, const QPainterPath& shape, QPointF offset, int blur,
                       QColor colour) {
    const int margin = blur * 2 + 2;
    const QRect bounds = shape.boundingRect().translated(offset).toAlignedRect().adjusted(
        -margin, -margin, margin, margin);
    QImage mask(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-bounds.topLeft() + offset);
        p.fillPath(shape, Qt::black);
    }
    const int w = bounds.width();
    const int h = bounds.height();
    std::vector<int> alpha(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[y * w + x] = qAlpha(line[x]);
    }
    const int radius = std::max(1, blur / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurAlpha(alpha, w, h, radius, true);
        boxBlurAlpha(alpha, w, h, radius, false);
    }
    QImage shadow(bounds.size(), QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = alpha[y * w + x] * colour.alpha() / 255;
            line[x] = qRgba(colour.red(), colour.green(), colour.blue(), a);
        }
    }
    painter.drawImage(bounds.topLeft(), shadow);
}

}  // namespace ledgerleaf

#include "tools/artwork/desk_background_painter.h"

#include <QLinearGradient>
#include <QPainter>

namespace ledgerleaf {

QImage DeskBackgroundPainter::paint(const QImage& skin) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.drawImage(0, 0, skin);

    // The picture panel: a navy field in a two-line frame.
    const QRect panel(940, 30, 300, 490);
    QLinearGradient navy(0, panel.top(), 0, panel.bottom());
    navy.setColorAt(0.0, QColor(8, 10, 118));
    navy.setColorAt(0.5, QColor(0, 0, 128));
    navy.setColorAt(1.0, QColor(6, 8, 104));
    p.fillRect(panel, navy);
    p.setPen(QColor(0, 0, 48));
    p.drawRect(panel.adjusted(0, 0, -1, -1));
    p.setPen(QColor(70, 78, 170));
    p.drawRect(panel.adjusted(1, 1, -2, -2));

    // The cut-out strips are filled last and without smoothing, so their edges stay exact.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kTopCut, QColor(0, 255, 0));
    p.fillRect(kBottomCut, QColor(0, 255, 0));
    p.end();
    return image;
}

QImage DeskBackgroundPainter::mask(const QImage& background) {
    QImage bits(background.size(), QImage::Format_MonoLSB);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            const bool cut = (background.pixel(x, y) & 0xFFFFFFU) == 0x00FF00U;
            bits.setPixel(x, y, cut ? 0 : 1);
        }
    }
    return bits;
}

}  // namespace ledgerleaf

#include "tools/artwork/help_side_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/artwork/soft_shadow.h"
#include "tools/artwork/textures.h"

namespace ledgerleaf {

namespace {

constexpr int kW = HelpSidePainter::kWidth;
constexpr int kH = HelpSidePainter::kHeight;

void paintPaper(QPainter& p) {
    p.drawImage(0, 0, Textures::leather({kW, kH}, QColor(68, 43, 29), 53));
    QPainterPath page;
    page.addRoundedRect(QRectF(20, 8, 94, kH - 16), 3, 3);
    SoftShadow::paint(p, page, QPointF(-2, 3), 8, QColor(0, 0, 0, 150));
    p.fillPath(page, QBrush(Textures::paper({kW, kH}, QColor(246, 239, 221), 59)));
    QLinearGradient gutter(20, 0, 40, 0);
    gutter.setColorAt(0.0, QColor(50, 32, 15, 70));
    gutter.setColorAt(1.0, QColor(50, 32, 15, 0));
    p.fillPath(page, gutter);
    p.save();
    p.setClipPath(page);
    p.setPen(QPen(QColor(140, 165, 200, 110), 1));
    for (int y = 40; y < kH - 12; y += 18)
        p.drawLine(QPointF(22, y + 0.5), QPointF(114, y + 0.5));
    p.setPen(QPen(QColor(205, 95, 95, 120), 1));
    p.drawLine(QPointF(38.5, 8), QPointF(38.5, kH - 8));
    p.restore();
    p.strokePath(page, QPen(QColor(160, 146, 120, 140), 0.7));
    // Spiral rings along the bound edge.
    for (int y = 18; y < kH - 10; y += 14) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 26, 17));
        p.drawRoundedRect(QRectF(25, y - 3, 4.6, 6.2), 2, 2);
        QPainterPath wire(QPointF(27.3, y));
        wire.cubicTo(QPointF(20, y - 6), QPointF(9, y - 6), QPointF(4, y - 2));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 80), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire.translated(1.5, 2.5));
        p.setPen(QPen(QColor(52, 53, 58), 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire);
        QLinearGradient metal(27, 0, 4, 0);
        metal.setColorAt(0.0, QColor(100, 101, 108));
        metal.setColorAt(0.5, QColor(236, 237, 240));
        metal.setColorAt(1.0, QColor(110, 111, 118));
        p.setPen(QPen(QBrush(metal), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire);
    }
}

// A fountain pen, cap posted, lying almost along the page.
void paintPen(QPainter& p) {
    p.save();
    p.translate(78, 170);
    p.rotate(14);
    const qreal half = 118;
    QPainterPath barrel;
    barrel.addRoundedRect(QRectF(-5.5, -half + 26, 11, 176), 5, 5);
    QPainterPath nib(QPointF(-4.4, half - 40));
    nib.lineTo(4.4, half - 40);
    nib.cubicTo(5.5, half - 26, 2.5, half - 8, 0, half + 2);
    nib.cubicTo(-2.5, half - 8, -5.5, half - 26, -4.4, half - 40);
    QPainterPath whole = barrel.united(nib);
    whole.addRoundedRect(QRectF(-6.5, -half + 8, 13, 70), 5.5, 5.5);
    SoftShadow::paint(p, whole, QPointF(7, 3), 6, QColor(30, 18, 6, 120));

    QLinearGradient gold(-4.5, 0, 4.5, 0);
    gold.setColorAt(0.0, QColor(170, 124, 48));
    gold.setColorAt(0.4, QColor(248, 220, 140));
    gold.setColorAt(1.0, QColor(150, 106, 36));
    p.fillPath(nib, gold);
    p.setPen(QPen(QColor(90, 60, 20), 0.8));
    p.drawLine(QPointF(0, half - 26), QPointF(0, half));
    p.setBrush(QColor(90, 60, 20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, half - 27), 1.1, 1.1);

    QLinearGradient lacquer(-5.5, 0, 5.5, 0);
    lacquer.setColorAt(0.0, QColor(12, 22, 44));
    lacquer.setColorAt(0.3, QColor(70, 92, 140));
    lacquer.setColorAt(0.45, QColor(34, 50, 88));
    lacquer.setColorAt(1.0, QColor(8, 14, 30));
    p.fillPath(barrel, lacquer);
    // Grip section, then the posted cap with its clip and band.
    QPainterPath grip;
    grip.addRoundedRect(QRectF(-4.6, half - 52, 9.2, 14), 3, 3);
    QLinearGradient black(-4.6, 0, 4.6, 0);
    black.setColorAt(0.0, QColor(10, 10, 12));
    black.setColorAt(0.35, QColor(90, 92, 100));
    black.setColorAt(1.0, QColor(8, 8, 10));
    p.fillPath(grip, black);
    const QRectF cap(-6.5, -half + 8, 13, 70);
    QPainterPath capShape;
    capShape.addRoundedRect(cap, 5.5, 5.5);
    QLinearGradient capShade(-6.5, 0, 6.5, 0);
    capShade.setColorAt(0.0, QColor(10, 20, 40));
    capShade.setColorAt(0.3, QColor(78, 100, 150));
    capShade.setColorAt(0.45, QColor(36, 54, 94));
    capShade.setColorAt(1.0, QColor(6, 12, 28));
    p.fillPath(capShape, capShade);
    QLinearGradient ring(-6.5, 0, 6.5, 0);
    ring.setColorAt(0.0, QColor(150, 106, 36));
    ring.setColorAt(0.4, QColor(250, 226, 150));
    ring.setColorAt(1.0, QColor(140, 96, 30));
    p.fillRect(QRectF(-6.5, cap.bottom() - 7, 13, 3), ring);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(-1.6, cap.top() + 4, 3.2, 44), 1.6, 1.6);
    p.fillPath(clip.translated(1.2, 0.6), QColor(0, 0, 0, 90));
    p.fillPath(clip, ring);
    p.restore();
}

}  // namespace

QImage HelpSidePainter::paint() {
    QImage image(kW, kH, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPaper(p);
    paintPen(p);
    p.setPen(QPen(QColor(24, 14, 8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
    p.end();
    return image;
}

}  // namespace ledgerleaf

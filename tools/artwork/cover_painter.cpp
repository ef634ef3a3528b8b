#include "tools/artwork/cover_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/soft_shadow.h"
#include "tools/artwork/textures.h"

namespace ledgerleaf {

namespace {

constexpr QRectF kBoard(0, 0, 376, 495);  // the front board; page edges show beyond it
constexpr qreal kSpine = 36;              // the hinge groove, right of the spiral
constexpr qreal kBandLeft = 330;          // the elastic band
constexpr qreal kBandWidth = 16;
const QColor kLeather(82, 50, 33);

QPainterPath boardShape() {
    QPainterPath path;
    path.addRoundedRect(kBoard, 7, 7);
    // Square corners along the spine, where the board meets the binding.
    path = path.united([] {
        QPainterPath spine;
        spine.addRect(0, 0, 20, kBoard.height());
        return spine;
    }());
    return path;
}

// Foil text or emblem pressed into the leather: a dark lip above, a light lip below, gold inside.
void paintFoil(QPainter& p, const QPainterPath& shape) {
    p.fillPath(shape.translated(0, -1), QColor(20, 10, 4, 150));
    p.fillPath(shape.translated(0, 1.2), QColor(255, 225, 180, 45));
    const QRectF box = shape.boundingRect();
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0.0, QColor(238, 206, 134));
    gold.setColorAt(0.45, QColor(190, 146, 72));
    gold.setColorAt(0.55, QColor(172, 128, 58));
    gold.setColorAt(1.0, QColor(222, 184, 108));
    p.fillPath(shape, gold);
}

void paintPages(QPainter& p) {
    p.fillRect(0, 0, CoverPainter::kWidth, CoverPainter::kHeight, QColor(22, 15, 11));
    // The page block shows a few pixels beyond the board's free edges.
    const QRectF block(12, 3, 366, 496);
    QPainterPath pages;
    pages.addRoundedRect(block, 5, 5);
    p.fillPath(pages, QColor(226, 216, 194));
    p.setPen(QPen(QColor(160, 146, 120, 160), 0.7));
    for (qreal x = 377.5; x < 379.5; x += 1.0) {
        p.drawLine(QPointF(x, 10), QPointF(x, 490));
    }
    for (qreal y = 496.5; y < 499.5; y += 1.0) {
        p.drawLine(QPointF(24, y), QPointF(370, y));
    }
}

void paintBoard(QPainter& p) {
    const QPainterPath board = boardShape();
    SoftShadow::paint(p, board, QPointF(1.5, 1.5), 4, QColor(0, 0, 0, 170));
    p.fillPath(board, QBrush(Textures::leather({CoverPainter::kWidth, CoverPainter::kHeight},
                                               kLeather, 31)));
    QRadialGradient light(QPointF(200, 190), 330);
    light.setColorAt(0.0, QColor(255, 225, 190, 26));
    light.setColorAt(0.55, QColor(0, 0, 0, 0));
    light.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillPath(board, light);
    // The lower strip, where the password prompt appears, sits in the shade.
    QLinearGradient shade(0, 440, 0, kBoard.bottom());
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.3, QColor(0, 0, 0, 70));
    shade.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillPath(board, shade);
    // A rounded, slightly lighter edge where the leather folds over the board.
    p.strokePath(board, QPen(QColor(255, 220, 180, 40), 1.2));
    p.strokePath(board, QPen(QColor(20, 10, 5, 200), 0.8));
}

void paintHinge(QPainter& p) {
    QLinearGradient groove(kSpine - 6, 0, kSpine + 6, 0);
    groove.setColorAt(0.0, QColor(0, 0, 0, 0));
    groove.setColorAt(0.45, QColor(0, 0, 0, 110));
    groove.setColorAt(0.6, QColor(255, 220, 180, 40));
    groove.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(kSpine - 6, 1, 12, kBoard.height() - 2), groove);
}

void paintStitching(QPainter& p) {
    const QRectF seam(kSpine + 9.5, 11.5, kBoard.right() - kSpine - 21, kBoard.height() - 23);
    p.setBrush(Qt::NoBrush);
    QPen hole(QColor(15, 8, 4, 140), 1.7);
    hole.setDashPattern({3.0, 2.4});
    p.setPen(hole);
    p.drawRoundedRect(seam.translated(0.4, 0.7), 5, 5);
    QPen thread(QColor(196, 152, 96, 170), 1.2);
    thread.setDashPattern({3.2, 2.2});
    p.setPen(thread);
    p.drawRoundedRect(seam, 5, 5);
}

// The spiral: wire loops coming out of holes near the left edge and wrapping round the spine.
void paintSpiral(QPainter& p) {
    for (int y = 16; y < 486; y += 14) {
        const QRectF hole(14.5, y - 3, 5, 6.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 180, 40));
        p.drawRoundedRect(hole.translated(0, 0.9), 2, 2);
        p.setBrush(QColor(14, 9, 6));
        p.drawRoundedRect(hole, 2, 2);
        QPainterPath wire(QPointF(17, y));
        wire.cubicTo(QPointF(12, y - 7), QPointF(2, y - 7), QPointF(-2, y - 2));
        QPainterPath shadow = wire.translated(2, 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 90), 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(shadow);
        p.setPen(QPen(QColor(50, 51, 56), 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire);
        QLinearGradient metal(17, 0, -2, 0);
        metal.setColorAt(0.0, QColor(100, 101, 108));
        metal.setColorAt(0.45, QColor(232, 233, 237));
        metal.setColorAt(1.0, QColor(120, 121, 128));
        p.setPen(QPen(QBrush(metal), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire);
    }
}

void paintTitle(QPainter& p) {
    // A debossed plate holding the name.
    const QRectF plate(70, 150, 240, 86);
    QPainterPath plateShape;
    plateShape.addRoundedRect(plate, 6, 6);
    p.fillPath(plateShape, QColor(0, 0, 0, 38));
    p.strokePath(plateShape.translated(0, 1.2), QPen(QColor(255, 225, 185, 50), 1.0));
    p.strokePath(plateShape, QPen(QColor(15, 8, 4, 150), 1.0));
    QPainterPath rule;
    rule.addRoundedRect(plate.adjusted(6, 6, -6, -6), 3, 3);
    p.strokePath(rule, QPen(QColor(200, 160, 90, 150), 0.8));

    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPixelSize(32);
    serif.setWeight(QFont::DemiBold);
    serif.setLetterSpacing(QFont::AbsoluteSpacing, 0.3);
    QPainterPath name;
    name.addText(0, 0, serif, QStringLiteral("Ledgerleaf"));
    const QRectF nameBox = name.boundingRect();
    name.translate(plate.center().x() - nameBox.center().x(),
                   plate.center().y() - nameBox.center().y() - 4);
    paintFoil(p, name);

    QFont small(QStringLiteral("DejaVu Serif"));
    small.setPixelSize(11);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 4.0);
    QPainterPath subtitle;
    subtitle.addText(0, 0, small, QStringLiteral("DIARY"));
    const QRectF subBox = subtitle.boundingRect();
    subtitle.translate(plate.center().x() - subBox.center().x() + 2,
                       plate.bottom() - 20 - subBox.center().y());
    paintFoil(p, subtitle);
}

// A leaf in a ring: the mark above the title.
void paintEmblem(QPainter& p) {
    const QPointF c(190, 108);
    QPainterPath ring;
    ring.addEllipse(c, 24, 24);
    QPainterPath inner;
    inner.addEllipse(c, 22.2, 22.2);
    ring = ring.subtracted(inner);
    QPainterPath leaf(c + QPointF(-10, 14));
    leaf.cubicTo(c + QPointF(-16, -2), c + QPointF(-2, -14), c + QPointF(12, -15));
    leaf.cubicTo(c + QPointF(13, 0), c + QPointF(2, 12), c + QPointF(-10, 14));
    QPainterPath vein(c + QPointF(-13, 18));
    vein.lineTo(c + QPointF(-10, 14));
    vein.quadTo(c + QPointF(-1, 1), c + QPointF(9, -11));
    for (qreal t : {-6.0, -1.0, 4.0}) {
        vein.moveTo(c + QPointF(t - 1.2, 3.5 - t * 1.2));
        vein.lineTo(c + QPointF(t + 5.5, 3.0 - t * 1.2));
        vein.moveTo(c + QPointF(t - 1.2, 3.5 - t * 1.2));
        vein.lineTo(c + QPointF(t - 2.0, -3.5 - t * 1.2));
    }
    QPainterPathStroker stroker;
    stroker.setWidth(1.1);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath veins = stroker.createStroke(vein);
    paintFoil(p, ring.united(leaf.subtracted(veins)));
}

void paintBand(QPainter& p) {
    const QRectF band(kBandLeft, 0, kBandWidth, CoverPainter::kHeight);
    QPainterPath bandShape;
    bandShape.addRect(band);
    SoftShadow::paint(p, bandShape, QPointF(2.5, 0), 5, QColor(0, 0, 0, 160));
    p.drawImage(band.topLeft(),
                Textures::elastic({static_cast<int>(kBandWidth), CoverPainter::kHeight},
                                  QColor(38, 30, 27), 41));
    QLinearGradient round(band.left(), 0, band.right(), 0);
    round.setColorAt(0.0, QColor(0, 0, 0, 90));
    round.setColorAt(0.35, QColor(255, 255, 255, 22));
    round.setColorAt(0.7, QColor(0, 0, 0, 0));
    round.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillRect(band, round);
    // The band is a little wider than the gap it bridges: where it leaves the board it dips.
    QLinearGradient ends(0, 0, 0, CoverPainter::kHeight);
    ends.setColorAt(0.0, QColor(0, 0, 0, 120));
    ends.setColorAt(0.03, QColor(0, 0, 0, 0));
    ends.setColorAt(0.97, QColor(0, 0, 0, 0));
    ends.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(band, ends);
}

void paintBottomRule(QPainter& p) {
    p.setPen(QPen(QColor(15, 8, 4, 150), 1));
    p.drawLine(QPointF(kSpine + 16, 453.5), QPointF(kBandLeft - 12, 453.5));
    p.setPen(QPen(QColor(255, 225, 185, 36), 1));
    p.drawLine(QPointF(kSpine + 16, 454.5), QPointF(kBandLeft - 12, 454.5));
}

}  // namespace

QImage CoverPainter::paint() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPages(p);
    paintBoard(p);
    paintHinge(p);
    paintStitching(p);
    paintEmblem(p);
    paintTitle(p);
    paintBottomRule(p);
    paintBand(p);
    paintSpiral(p);
    p.end();
    return image;
}

}  // namespace ledgerleaf

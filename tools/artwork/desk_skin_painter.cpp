#include "tools/artwork/desk_skin_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include "tools/artwork/soft_shadow.h"
#include "tools/artwork/textures.h"

namespace ledgerleaf {

namespace {

constexpr QRectF kLeftPage(36, 33, 424, 482);    // x 36..460, y 33..515
constexpr QRectF kRightPage(480, 33, 424, 482);  // x 480..904
constexpr qreal kLeftHoleX = 449;
constexpr qreal kRightHoleX = 491;
constexpr int kFirstRingY = 47;
constexpr int kLastRingY = 506;
constexpr int kRingPitch = 14;

const QColor kLeather(68, 43, 29);
const QColor kPaper(246, 239, 221);
const QColor kPageEdge(214, 204, 182);

QPainterPath pageShape(const QRectF& rect) {
    QPainterPath path;
    path.addRoundedRect(rect, 3, 3);
    return path;
}

void paintLeather(QPainter& p) {
    p.drawImage(
        0, 0, Textures::leather({DeskSkinPainter::kWidth, DeskSkinPainter::kHeight}, kLeather, 11));
    // Worn, slightly darker edges and a lighter middle, as light falls on a real cover.
    QRadialGradient light(QPointF(470, 260), 620);
    light.setColorAt(0.0, QColor(255, 230, 200, 18));
    light.setColorAt(0.6, QColor(0, 0, 0, 0));
    light.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(0, 0, DeskSkinPainter::kWidth, DeskSkinPainter::kHeight, light);
    // The bands that carry text are a shade darker still.
    QLinearGradient top(0, 0, 0, 34);
    top.setColorAt(0.0, QColor(0, 0, 0, 70));
    top.setColorAt(1.0, QColor(0, 0, 0, 20));
    p.fillRect(0, 0, DeskSkinPainter::kWidth, 34, top);
    QLinearGradient bottom(0, 514, 0, DeskSkinPainter::kHeight);
    bottom.setColorAt(0.0, QColor(0, 0, 0, 20));
    bottom.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillRect(0, 514, DeskSkinPainter::kWidth, 36, bottom);
}

void paintStitching(QPainter& p) {
    const QRectF seam = QRectF(0, 0, DeskSkinPainter::kWidth, DeskSkinPainter::kHeight)
                            .adjusted(5.5, 5.5, -5.5, -5.5);
    QPen hole(QColor(20, 12, 6, 120), 1.6);
    hole.setDashPattern({3.0, 2.6});
    p.setPen(hole);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(seam.translated(0.4, 0.6), 6, 6);
    QPen thread(QColor(170, 128, 84, 120), 1.1);
    thread.setDashPattern({3.4, 2.2});
    p.setPen(thread);
    p.drawRoundedRect(seam, 6, 6);
}

void paintBorder(QPainter& p) {
    const QRectF outer(0.5, 0.5, DeskSkinPainter::kWidth - 1, DeskSkinPainter::kHeight - 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 225, 190, 26), 1));
    p.drawRect(outer.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(24, 14, 8), 1));
    p.drawRect(outer);
}

// One page with the sheets beneath it showing at its outer and bottom edges.
void paintPageStack(QPainter& p, const QRectF& page, int outward, const QBrush& paper) {
    const QPainterPath top = pageShape(page);
    QPainterPath block = top;
    for (int k = 4; k >= 1; --k) {
        block = block.united(pageShape(page.translated(outward * k * 1.1, k * 0.8)));
    }
    SoftShadow::paint(p, block, QPointF(outward * 1.5, 3), 10, QColor(10, 5, 0, 150));
    for (int k = 4; k >= 1; --k) {
        const QPainterPath sheet = pageShape(page.translated(outward * k * 1.1, k * 0.8));
        p.fillPath(sheet, kPageEdge.darker(100 + k * 3));
        p.strokePath(sheet, QPen(QColor(150, 136, 110, 110), 0.6));
    }
    p.fillPath(top, paper);
    p.strokePath(top, QPen(QColor(160, 146, 120, 120), 0.6));
}

// The pages curve down into the binding: darken them towards the gutter and, a little, at the
// outer edge.
void paintPageShading(QPainter& p, const QRectF& page, bool gutterOnRight) {
    const qreal gutter = gutterOnRight ? page.right() : page.left();
    const qreal inner = gutterOnRight ? gutter - 54 : gutter + 54;
    QLinearGradient curve(inner, 0, gutter, 0);
    curve.setColorAt(0.0, QColor(70, 50, 25, 0));
    curve.setColorAt(0.75, QColor(70, 50, 25, 22));
    curve.setColorAt(1.0, QColor(50, 32, 15, 70));
    p.fillPath(pageShape(page), curve);
    // Light falls from the upper left across the spread.
    QLinearGradient light(page.topLeft(), page.bottomRight());
    light.setColorAt(0.0, QColor(255, 255, 248, 30));
    light.setColorAt(0.5, QColor(255, 255, 248, 0));
    light.setColorAt(1.0, QColor(60, 40, 20, 16));
    p.fillPath(pageShape(page), light);
    const qreal edge = gutterOnRight ? page.left() : page.right();
    const qreal edgeInner = gutterOnRight ? edge + 16 : edge - 16;
    QLinearGradient rim(edgeInner, 0, edge, 0);
    rim.setColorAt(0.0, QColor(70, 50, 25, 0));
    rim.setColorAt(1.0, QColor(70, 50, 25, 26));
    p.fillPath(pageShape(page), rim);
}

void paintLeftPageGrid(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 110, 95, 70));
    for (int y = 64; y < kLeftPage.bottom() - 8; y += 16) {
        for (int x = 44; x < kLeftPage.right() - 22; x += 16) {
            p.drawEllipse(QPointF(x + 0.5, y + 0.5), 0.75, 0.75);
        }
    }
    p.setPen(QPen(QColor(120, 140, 170, 110), 1));
    p.drawLine(QPointF(kLeftPage.left() + 6, 58.5), QPointF(kLeftPage.right() - 20, 58.5));
}

void paintRightPageRules(QPainter& p) {
    const qreal left = kRightPage.left() + 18;
    const qreal right = kRightPage.right() - 4;
    p.setPen(QPen(QColor(120, 140, 170, 130), 1));
    p.drawLine(QPointF(left, 58.5), QPointF(right, 58.5));
    p.setPen(QPen(QColor(140, 165, 200, 105), 1));
    for (int y = 82; y < kRightPage.bottom() - 6; y += 24) {
        p.drawLine(QPointF(left, y + 0.5), QPointF(right, y + 0.5));
    }
    // The margin rule, a faded double red line.
    p.setPen(QPen(QColor(205, 95, 95, 120), 1));
    p.drawLine(QPointF(505.5, kRightPage.top() + 2), QPointF(505.5, kRightPage.bottom() - 2));
    p.setPen(QPen(QColor(205, 95, 95, 70), 1));
    p.drawLine(QPointF(507.5, kRightPage.top() + 2), QPointF(507.5, kRightPage.bottom() - 2));
}

void paintHoles(QPainter& p) {
    for (int y = kFirstRingY; y <= kLastRingY; y += kRingPitch) {
        for (qreal x : {kLeftHoleX, kRightHoleX - 0.0}) {
            const qreal yy = x == kLeftHoleX ? y : y - 3;
            const QRectF hole(x - 2.6, yy - 3.4, 5.2, 6.8);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawRoundedRect(hole.translated(0, 0.8), 2.2, 2.2);
            p.setBrush(QColor(40, 26, 17));
            p.drawRoundedRect(hole, 2.2, 2.2);
        }
    }
}

QPainterPath ringPath(int y) {
    const QPointF left(kLeftHoleX, y);
    const QPointF right(kRightHoleX, y - 3);
    QPainterPath path(left);
    path.cubicTo(left + QPointF(9, -6), right + QPointF(-9, -5), right);
    return path;
}

void paintRings(QPainter& p) {
    for (int y = kFirstRingY; y <= kLastRingY; y += kRingPitch) {
        const QPainterPath wire = ringPath(y);
        QPainterPathStroker stroker;
        stroker.setWidth(3.2);
        stroker.setCapStyle(Qt::RoundCap);
        SoftShadow::paint(p, stroker.createStroke(wire), QPointF(2.5, 3.5), 3,
                          QColor(30, 18, 8, 120));
    }
    for (int y = kFirstRingY; y <= kLastRingY; y += kRingPitch) {
        const QPainterPath wire = ringPath(y);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(52, 53, 58), 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire);
        QLinearGradient metal(kLeftHoleX, 0, kRightHoleX, 0);
        metal.setColorAt(0.0, QColor(96, 98, 104));
        metal.setColorAt(0.22, QColor(196, 198, 204));
        metal.setColorAt(0.45, QColor(238, 239, 242));
        metal.setColorAt(0.72, QColor(176, 178, 186));
        metal.setColorAt(1.0, QColor(88, 89, 96));
        p.setPen(QPen(QBrush(metal), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire);
        QLinearGradient glint(kLeftHoleX, 0, kRightHoleX, 0);
        glint.setColorAt(0.15, QColor(255, 255, 255, 0));
        glint.setColorAt(0.45, QColor(255, 255, 255, 200));
        glint.setColorAt(0.8, QColor(255, 255, 255, 0));
        p.setPen(QPen(QBrush(glint), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wire.translated(0, -0.7));
    }
}

// A red ribbon bookmark coming out from under the right page and lying over the bottom band;
// painted before the page, which hides its upper end.
void paintRibbon(QPainter& p) {
    QPainterPath ribbon;
    ribbon.moveTo(887, 496);
    ribbon.lineTo(898, 496);
    ribbon.lineTo(899, 546);
    ribbon.lineTo(893.5, 540.5);
    ribbon.lineTo(888, 546);
    ribbon.closeSubpath();
    SoftShadow::paint(p, ribbon, QPointF(2, 2), 4, QColor(0, 0, 0, 150));
    QLinearGradient silk(887, 0, 899, 0);
    silk.setColorAt(0.0, QColor(104, 20, 28));
    silk.setColorAt(0.45, QColor(150, 38, 44));
    silk.setColorAt(1.0, QColor(96, 18, 26));
    p.fillPath(ribbon, silk);
}

}  // namespace

QImage DeskSkinPainter::paint() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintLeather(p);
    paintStitching(p);

    const QBrush paper(Textures::paper({kWidth, kHeight}, kPaper, 23));
    // The gutter between the pages lies in shadow.
    QLinearGradient gutter(kLeftPage.right(), 0, kRightPage.left(), 0);
    gutter.setColorAt(0.0, QColor(0, 0, 0, 110));
    gutter.setColorAt(0.5, QColor(0, 0, 0, 60));
    gutter.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillRect(QRectF(kLeftPage.right(), kLeftPage.top(), kRightPage.left() - kLeftPage.right(),
                      kLeftPage.height() + 3),
               gutter);
    paintRibbon(p);
    paintPageStack(p, kLeftPage, -1, paper);
    paintPageStack(p, kRightPage, +1, paper);
    paintPageShading(p, kLeftPage, true);
    paintPageShading(p, kRightPage, false);
    paintLeftPageGrid(p);
    paintRightPageRules(p);
    paintHoles(p);
    paintRings(p);
    paintBorder(p);
    p.end();
    return image;
}

}  // namespace ledgerleaf

#include "tools/artwork/icon_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ledgerleaf {

namespace {

QPainterPath rounded(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void shadow(QPainter& p, const QPainterPath& shape) {
    p.fillPath(shape.translated(0.8, 1.2), QColor(0, 0, 0, 90));
}

void paintCalendar(QPainter& p) {
    const QPainterPath page = rounded(QRectF(4, 6, 24, 23), 3);
    shadow(p, page);
    QLinearGradient paper(0, 6, 0, 29);
    paper.setColorAt(0.0, QColor(255, 253, 246));
    paper.setColorAt(1.0, QColor(232, 224, 206));
    p.fillPath(page, paper);
    // The red head of the page.
    QPainterPath head = page.intersected(rounded(QRectF(4, 6, 24, 8), 0));
    QLinearGradient red(0, 6, 0, 14);
    red.setColorAt(0.0, QColor(214, 70, 58));
    red.setColorAt(1.0, QColor(166, 38, 34));
    p.fillPath(head, red);
    p.strokePath(page, QPen(QColor(90, 60, 40), 0.8));
    // Day cells, today marked.
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF cell(7.5 + col * 4.6, 16.5 + row * 3.8, 3.2, 2.6);
            const bool today = row == 1 && col == 2;
            p.fillRect(cell, today ? QColor(196, 52, 44) : QColor(120, 108, 92));
        }
    }
    // Two binding rings.
    for (qreal x : {10.5, 21.5}) {
        p.fillPath(rounded(QRectF(x - 1.6, 2.5, 3.2, 7), 1.6), QColor(60, 60, 66));
        QLinearGradient metal(x - 1.2, 0, x + 1.2, 0);
        metal.setColorAt(0.0, QColor(150, 152, 160));
        metal.setColorAt(0.5, QColor(245, 245, 248));
        metal.setColorAt(1.0, QColor(130, 132, 140));
        p.fillPath(rounded(QRectF(x - 1.0, 3.0, 2.0, 6), 1.0), metal);
    }
}

void paintScroll(QPainter& p) {
    const QRectF sheet(8, 7, 16, 19);
    QPainterPath paper = rounded(sheet, 1);
    shadow(p, paper);
    QLinearGradient parchment(sheet.left(), 0, sheet.right(), 0);
    parchment.setColorAt(0.0, QColor(222, 198, 150));
    parchment.setColorAt(0.5, QColor(246, 230, 192));
    parchment.setColorAt(1.0, QColor(214, 188, 138));
    p.fillPath(paper, parchment);
    p.setPen(QPen(QColor(130, 100, 60), 1.0));
    for (qreal y = 11.5; y < 24; y += 3) {
        p.drawLine(QPointF(10.5, y), QPointF(y > 20 ? 17.5 : 21.5, y));
    }
    // Rolls at both ends with turned knobs.
    for (qreal y : {4.5, 24.0}) {
        const QRectF roll(6, y, 20, 4.5);
        p.fillPath(rounded(roll.translated(0.8, 1.0), 2.2), QColor(0, 0, 0, 80));
        QLinearGradient curl(0, roll.top(), 0, roll.bottom());
        curl.setColorAt(0.0, QColor(250, 236, 200));
        curl.setColorAt(0.5, QColor(222, 196, 146));
        curl.setColorAt(1.0, QColor(160, 128, 80));
        p.fillPath(rounded(roll, 2.2), curl);
        p.strokePath(rounded(roll, 2.2), QPen(QColor(110, 78, 40), 0.7));
        for (qreal x : {3.0, 26.0}) {
            QRectF knob(x, y + 0.5, 3, 3.5);
            QLinearGradient wood(0, knob.top(), 0, knob.bottom());
            wood.setColorAt(0.0, QColor(170, 92, 50));
            wood.setColorAt(1.0, QColor(96, 44, 22));
            p.fillPath(rounded(knob, 1.3), wood);
        }
    }
    // A small red seal.
    p.fillPath(rounded(QRectF(18.5, 18.5, 3.5, 3.5), 0.6), QColor(186, 44, 38));
}

void paintShackle(QPainter& p, bool open) {
    QPainterPath arc;
    if (open) {
        // Lifted out of the body on the right, still held on the left.
        arc.moveTo(10.5, 16);
        arc.lineTo(10.5, 7.5);
        arc.cubicTo(10.5, 0.5, 21.5, 0.5, 21.5, 7.5);
        arc.lineTo(21.5, 9.5);
    } else {
        arc.moveTo(10.5, 16);
        arc.lineTo(10.5, 11);
        arc.cubicTo(10.5, 3.5, 21.5, 3.5, 21.5, 11);
        arc.lineTo(21.5, 16);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 42, 48), 4.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    QLinearGradient steel(0, 3, 32, 16);
    steel.setColorAt(0.0, QColor(235, 237, 242));
    steel.setColorAt(0.5, QColor(160, 164, 172));
    steel.setColorAt(1.0, QColor(215, 218, 224));
    p.setPen(QPen(QBrush(steel), 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
}

void paintLock(QPainter& p, bool open) {
    paintShackle(p, open);
    const QPainterPath body = rounded(QRectF(6, 14, 20, 15), 3);
    shadow(p, body);
    QLinearGradient brass(0, 14, 0, 29);
    brass.setColorAt(0.0, QColor(246, 214, 120));
    brass.setColorAt(0.5, QColor(210, 162, 58));
    brass.setColorAt(1.0, QColor(160, 112, 30));
    p.fillPath(body, brass);
    p.strokePath(body, QPen(QColor(96, 64, 16), 0.9));
    p.fillRect(QRectF(7.5, 15.2, 17, 1.2), QColor(255, 244, 200, 150));
    // Keyhole.
    QPainterPath hole;
    hole.addEllipse(QPointF(16, 20.5), 2.1, 2.1);
    hole.addRect(QRectF(15.1, 21, 1.8, 4.2));
    p.fillPath(hole.simplified(), QColor(60, 36, 8));
}

void paintBookshelf(QPainter& p) {
    // The bookend, a wooden upright on the left.
    struct Book {
        qreal x, w, h;
        QColor colour;
    };
    const Book books[] = {{8.0, 4.0, 17.0, QColor(150, 40, 40)},
                          {12.2, 3.4, 19.0, QColor(46, 86, 130)},
                          {15.8, 4.4, 15.0, QColor(60, 110, 70)},
                          {20.4, 3.2, 18.0, QColor(196, 150, 70)}};
    const qreal shelfTop = 25;
    QPainterPath upright = rounded(QRectF(3, 6, 4, shelfTop - 6), 0.8);
    shadow(p, upright);
    QLinearGradient oak(3, 0, 7, 0);
    oak.setColorAt(0.0, QColor(214, 160, 96));
    oak.setColorAt(1.0, QColor(150, 96, 46));
    p.fillPath(upright, oak);
    for (const Book& book : books) {
        const QRectF spine(book.x, shelfTop - book.h, book.w, book.h);
        QPainterPath shape = rounded(spine, 0.6);
        shadow(p, shape);
        QLinearGradient cloth(spine.left(), 0, spine.right(), 0);
        cloth.setColorAt(0.0, book.colour.lighter(135));
        cloth.setColorAt(0.5, book.colour);
        cloth.setColorAt(1.0, book.colour.darker(150));
        p.fillPath(shape, cloth);
        p.fillRect(QRectF(spine.left() + 0.6, spine.top() + 2.5, spine.width() - 1.2, 1.0),
                   QColor(240, 210, 130));
        p.fillRect(QRectF(spine.left() + 0.6, spine.bottom() - 3.5, spine.width() - 1.2, 1.0),
                   QColor(240, 210, 130));
    }
    // One book leaning against the others.
    p.save();
    p.translate(24.2, shelfTop);
    p.rotate(16);
    const QRectF lean(0, -16, 3.8, 16);
    shadow(p, rounded(lean, 0.6));
    QLinearGradient cloth(0, 0, 3.8, 0);
    cloth.setColorAt(0.0, QColor(120, 80, 150));
    cloth.setColorAt(1.0, QColor(70, 44, 92));
    p.fillPath(rounded(lean, 0.6), cloth);
    p.fillRect(QRectF(0.6, -13.5, 2.6, 1.0), QColor(240, 210, 130));
    p.restore();
    // The shelf plank.
    const QPainterPath plank = rounded(QRectF(1, shelfTop, 30, 4), 1);
    shadow(p, plank);
    QLinearGradient wood(0, shelfTop, 0, shelfTop + 4);
    wood.setColorAt(0.0, QColor(226, 176, 110));
    wood.setColorAt(1.0, QColor(140, 88, 40));
    p.fillPath(plank, wood);
}

void paintCalculator(QPainter& p) {
    const QPainterPath body = rounded(QRectF(6, 2, 20, 28), 3);
    shadow(p, body);
    QLinearGradient casing(6, 0, 26, 0);
    casing.setColorAt(0.0, QColor(120, 124, 132));
    casing.setColorAt(0.5, QColor(84, 88, 96));
    casing.setColorAt(1.0, QColor(58, 60, 68));
    p.fillPath(body, casing);
    p.strokePath(body, QPen(QColor(220, 222, 228, 200), 0.8));
    const QPainterPath display = rounded(QRectF(8.5, 4.5, 15, 6.5), 1);
    p.fillPath(display, QColor(196, 212, 176));
    p.fillRect(QRectF(15.5, 6.5, 6.5, 2.5), QColor(60, 70, 50));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF key(8.5 + col * 5.2, 13.5 + row * 4.1, 4, 3);
            const bool equals = row == 3 && col == 2;
            p.fillPath(rounded(key, 0.8), equals ? QColor(236, 130, 50) : QColor(236, 236, 232));
        }
    }
}

void paintPicturePanel(QPainter& p) {
    const QPainterPath frame = rounded(QRectF(2, 5, 28, 22), 1.5);
    shadow(p, frame);
    QLinearGradient gilt(0, 5, 0, 27);
    gilt.setColorAt(0.0, QColor(240, 204, 120));
    gilt.setColorAt(0.5, QColor(186, 136, 60));
    gilt.setColorAt(1.0, QColor(226, 184, 100));
    p.fillPath(frame, gilt);
    const QRectF view(5, 8, 22, 16);
    QLinearGradient sky(0, view.top(), 0, view.bottom());
    sky.setColorAt(0.0, QColor(110, 164, 222));
    sky.setColorAt(1.0, QColor(206, 228, 244));
    p.fillRect(view, sky);
    p.save();
    p.setClipRect(view);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 226, 120));
    p.drawEllipse(QPointF(21.5, 12), 2.2, 2.2);
    QPainterPath far(QPointF(5, 20));
    far.quadTo(12, 13, 19, 19);
    far.lineTo(27, 17);
    far.lineTo(27, 24);
    far.lineTo(5, 24);
    p.fillPath(far, QColor(96, 140, 96));
    QPainterPath near(QPointF(5, 24));
    near.quadTo(14, 17, 27, 22);
    near.lineTo(27, 24);
    p.fillPath(near, QColor(62, 108, 60));
    p.restore();
    p.strokePath(rounded(view, 0), QPen(QColor(110, 74, 24), 0.8));
    p.strokePath(frame, QPen(QColor(96, 64, 20), 0.8));
}

}  // namespace

QImage IconPainter::paint(Icon icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (icon) {
        case Icon::Calendar:
            paintCalendar(p);
            break;
        case Icon::Scroll:
            paintScroll(p);
            break;
        case Icon::LockClosed:
            paintLock(p, false);
            break;
        case Icon::LockOpen:
            paintLock(p, true);
            break;
        case Icon::Bookshelf:
            paintBookshelf(p);
            break;
        case Icon::Calculator:
            paintCalculator(p);
            break;
        case Icon::PicturePanel:
            paintPicturePanel(p);
            break;
    }
    p.end();
    return image;
}

}  // namespace ledgerleaf

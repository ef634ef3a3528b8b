#include "platform/widgets/colour_picker.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ledgerleaf {

ColourPicker::ColourPicker(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColourPicker::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void ColourPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, colour_);
    p.setPen(QColor(60, 40, 20));
    p.drawRect(r);
    if (hasFocus()) {
        p.setPen(Qt::DotLine);
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
}

void ColourPicker::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        pick();
}

void ColourPicker::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        pick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ColourPicker::pick() {
    const QColor chosen =
        chooser_ ? chooser_(colour_)
                 : QColorDialog::getColor(colour_, nullptr, QStringLiteral("背景色设置"));
    if (!chosen.isValid())
        return;
    setColour(chosen);
    emit colourChosen(chosen);
}

}  // namespace ledgerleaf

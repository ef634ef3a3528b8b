#include "platform/widgets/shadow_label.h"

#include <QPainter>

namespace ledgerleaf {

ShadowLabel::ShadowLabel(const QString& text, QColor textColour, QColor shadowColour,
                         int shadowOffset, QWidget* parent)
    : QLabel(text, parent),
      textColour_(textColour),
      shadowColour_(shadowColour),
      offset_(shadowOffset) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    const QRect r = contentsRect();
    p.setPen(shadowColour_);
    p.drawText(r.translated(offset_, offset_), int(alignment()), text());
    p.setPen(textColour_);
    p.drawText(r, int(alignment()), text());
}

}  // namespace ledgerleaf

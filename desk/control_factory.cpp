#include "desk/control_factory.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace ledgerleaf::control_factory {

namespace {

const QColor kDarkBrown(58, 36, 22);

}  // namespace

QLabel* iconBox(QWidget* parent, const QString& name, const QString& iconPath, const QRect& place) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setPixmap(QPixmap(iconPath));
    box->setScaledContents(true);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, kDarkBrown);
    box->setPalette(pal);
    return box;
}

QLabel* transparentLabel(QWidget* parent, const QString& name, const QString& text,
                         const QRect& place, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

QLabel* plainLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QPushButton* flatButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& place, const QString& iconPath) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setFlat(true);
    b->setAutoDefault(false);
    if (!iconPath.isEmpty()) {
        b->setIcon(QIcon(iconPath));
        b->setIconSize(QSize(place.height() - 2, place.height() - 2));
    }
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
}

}  // namespace ledgerleaf::control_factory

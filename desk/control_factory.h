#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace ledgerleaf {

// Small makers for the desk's kinds of control, each placed at its rectangle and named.
namespace control_factory {

// A picture box showing a 32 by 32 icon stretched to the box on a dark brown background.
QLabel* iconBox(QWidget* parent, const QString& name, const QString& iconPath, const QRect& place);
// A label without background, text centred, in the given colour.
QLabel* transparentLabel(QWidget* parent, const QString& name, const QString& text,
                         const QRect& place, const QColor& colour);
// A plain label (its background is the page's).
QLabel* plainLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place);
// A flat button with text, or with a small picture and no text when `iconPath` is given.
QPushButton* flatButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& place, const QString& iconPath = QString());
QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& place);

}  // namespace control_factory
}  // namespace ledgerleaf

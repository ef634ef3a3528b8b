#include "desk/default_button.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace ledgerleaf {

DefaultButton::DefaultButton(QPushButton* button, QWidget* window, QWidget* takesEnter)
    : QObject(window), button_(button) {
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control == takesEnter || takesEnter->isAncestorOf(control))
            continue;
        control->installEventFilter(this);
    }
}

bool DefaultButton::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (!button_->isEnabled())
        return false;
    button_->click();
    return true;
}

}  // namespace ledgerleaf

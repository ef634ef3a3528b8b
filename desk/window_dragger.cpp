#include "desk/window_dragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace ledgerleaf {

WindowDragger::WindowDragger(QWidget* window) : QObject(window), window_(window) {
    addHandle(window);
}

void WindowDragger::addHandle(QWidget* handle) {
    handle->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::LeftButton)
                return false;
            // The window system moves the window where it can; elsewhere follow the mouse.
            QWindow* handle = window_->windowHandle();
            if (handle && handle->startSystemMove())
                return true;
            dragging_ = true;
            grabOffset_ = press->globalPosition().toPoint() - window_->pos();
            return true;
        }
        case QEvent::MouseMove: {
            auto* move = static_cast<QMouseEvent*>(event);
            if (!dragging_ || !(move->buttons() & Qt::LeftButton))
                return false;
            window_->move(move->globalPosition().toPoint() - grabOffset_);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* release = static_cast<QMouseEvent*>(event);
            if (!dragging_ || release->button() != Qt::LeftButton)
                return false;
            dragging_ = false;
            return true;
        }
        default:
            return false;
    }
    Q_UNUSED(watched);
}

ClickRelay::ClickRelay(QWidget* control, bool keepPresses)
    : QObject(control), keepPresses_(keepPresses) {
    control->installEventFilter(this);
}

bool ClickRelay::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        emit doubleClicked();
        return true;
    }
    emit pressed();
    return keepPresses_;
}

}  // namespace ledgerleaf

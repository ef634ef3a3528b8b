#include "desk/desk_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ledgerleaf {

DeskPlacement::DeskPlacement(QWidget& window, std::function<int()> screenWidth)
    : window_(window), screenWidth_(std::move(screenWidth)) {}

void DeskPlacement::align_desk() {
    if (window_.y() < kSnapDistance)
        window_.move(window_.x(), 0);
    if (window_.x() < kSnapDistance)
        window_.move(0, window_.y());
    // The test is strict: a right edge exactly on the screen's edge stays.
    const int rightmost = screenWidth_() - window_.width();
    if (window_.x() > rightmost)
        window_.move(rightmost, window_.y());
}

int primaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

}  // namespace ledgerleaf

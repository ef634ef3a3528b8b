#include "platform/widgets/tab_folder.h"

#include <QPainter>
#include <QResizeEvent>
#include <QTabBar>

namespace ledgerleaf {

TabFolder::TabFolder(const QStringList& pageTitles, QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setDrawBase(false);
    bar_->setAutoFillBackground(false);
    bar_->setStyleSheet(QStringLiteral(
        "QTabBar::tab { background: rgb(232,220,196); color: rgb(70,45,25);"
        " border: 1px solid rgb(150,118,84); border-bottom: none; padding: 1px 7px;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; margin-right: 1px; }"
        "QTabBar::tab:selected { background: rgb(250,245,232); }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));
    bar_->setExpanding(false);
    bar_->setFocusPolicy(Qt::TabFocus);
    for (const QString& title : pageTitles) {
        bar_->addTab(title);
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("页_") + title);
        pages_.append(page);
    }
    bar_->raise();
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        showPage(index);
        emit currentChanged(index);
    });
    showPage(0);
}

QWidget* TabFolder::page(int index) const {
    return pages_.value(index);
}

int TabFolder::currentIndex() const {
    return bar_->currentIndex();
}

void TabFolder::setCurrentIndex(int index) {
    bar_->setCurrentIndex(index);
}

void TabFolder::showPage(int index) {
    for (int i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(i == index);
    bar_->raise();
}

void TabFolder::resizeEvent(QResizeEvent* event) {
    for (QWidget* page : pages_)
        page->setGeometry(0, 0, event->size().width(), event->size().height());
    const QSize hint = bar_->sizeHint();
    bar_->setGeometry(0, 0, qMin(hint.width(), width()), kHeaderHeight);
}

void TabFolder::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect frame(0, kHeaderHeight - 1, width() - 1, height() - kHeaderHeight);
    p.fillRect(frame, palette().window());
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(frame);
}

}  // namespace ledgerleaf

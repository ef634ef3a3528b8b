#include "app/cover_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "resources/resource_init.h"

namespace ledgerleaf {

namespace {

QLabel* coverLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                   const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

}  // namespace

CoverWindow::CoverWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    initResources();
    setObjectName(QStringLiteral("封面"));
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QBrush(QPixmap(QStringLiteral(":/skin/cover.png"))
                                              .scaled(kWidth, kHeight, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation)));
    setPalette(pal);
    setAutoFillBackground(true);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
    }

    promptLabel_ = coverLabel(this, QStringLiteral("密码提示标签"), QStringLiteral("请输入密码："),
                              {32, 472, 80, 20}, Qt::white);

    passwordEdit_ = new QLineEdit(this);
    passwordEdit_->setObjectName(QStringLiteral("密码编辑框"));
    passwordEdit_->setGeometry(107, 472, 80, 20);
    passwordEdit_->setEchoMode(QLineEdit::Password);
    passwordEdit_->setStyleSheet(QStringLiteral(
        "QLineEdit { color: white; background-color: black; border: 1px solid rgb(120,120,120);"
        " lineedit-password-character: 42; }"));

    confirmButton_ = new QPushButton(QStringLiteral("确定"), this);
    confirmButton_->setObjectName(QStringLiteral("密码确定按钮"));
    confirmButton_->setGeometry(218, 472, 54, 20);
    confirmButton_->setFlat(true);
    confirmButton_->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background-color: rgba(0,0,0,90);"
                       " border: 1px solid rgba(255,255,255,140); }"
                       "QPushButton:pressed { background-color: rgba(0,0,0,160); }"));

    closeMark_ = coverLabel(this, QStringLiteral("封面关闭按钮"), QStringLiteral("×"),
                            {360, 0, 20, 20}, QColor(255, 255, 0));
    closeMark_->setAlignment(Qt::AlignCenter);

    connect(confirmButton_, &QPushButton::clicked, this, &CoverWindow::passwordConfirmed);
    connect(passwordEdit_, &QLineEdit::returnPressed, this, &CoverWindow::passwordConfirmed);
    setPasswordControlsVisible(false);
}

void CoverWindow::setPasswordControlsVisible(bool visible) {
    promptLabel_->setVisible(visible);
    passwordEdit_->setVisible(visible);
    confirmButton_->setVisible(visible);
}

void CoverWindow::show_password_entry() {
    show();
    setPasswordControlsVisible(true);
    activateWindow();
    passwordEdit_->setFocus(Qt::OtherFocusReason);
}

void CoverWindow::hide_password_entry() {
    show();
    setPasswordControlsVisible(false);
}

void CoverWindow::closeEvent(QCloseEvent* event) {
    // The cover never goes away by itself; the program decides what a close request means.
    event->ignore();
    emit closeRequested();
}

}  // namespace ledgerleaf

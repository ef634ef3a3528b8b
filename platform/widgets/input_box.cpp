#include "platform/widgets/input_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ledgerleaf {

InputBox::InputBox(const QString& prompt, const QString& title, QWidget* parent)
    : QDialog(parent),
      prompt_(new QLabel(prompt, this)),
      field_(new QLineEdit(this)),
      okButton_(new QPushButton(QStringLiteral("确认输入(&O)"), this)),
      cancelButton_(new QPushButton(QStringLiteral("取消(&C)"), this)) {
    setWindowTitle(title);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    prompt_->setWordWrap(true);
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setBuddy(field_);
    field_->setObjectName(QStringLiteral("inputField"));
    field_->setEchoMode(QLineEdit::Normal);
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    field_->setFocus();
}

QString InputBox::text() const {
    return field_->text();
}

}  // namespace ledgerleaf

#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgerleaf {

// The input box: a prompt, one plain-text field starting empty, and the buttons
// "确认输入(&O)" (the default) and "取消(&C)". Accepted by OK, rejected by Cancel, Esc or the
// close box.
class InputBox : public QDialog {
  public:
    InputBox(const QString& prompt, const QString& title, QWidget* parent = nullptr);

    QString text() const;

  private:
    QLabel* prompt_;
    QLineEdit* field_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace ledgerleaf

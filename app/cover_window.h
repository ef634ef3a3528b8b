#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ledgerleaf {

// The closed diary: splash picture at start, password prompt for a protected diary, and the
// short closing-book image shown whenever the desk is put away.
class CoverWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 500;

    explicit CoverWindow(QWidget* parent = nullptr);

    // Makes the cover visible with the three password controls shown and the focus in the field.
    void show_password_entry();
    // Makes the cover visible with the three password controls hidden.
    void hide_password_entry();

    QLineEdit* passwordEdit() const { return passwordEdit_; }
    QPushButton* confirmButton() const { return confirmButton_; }
    QLabel* promptLabel() const { return promptLabel_; }

  signals:
    // The password was confirmed (button or Enter in the field).
    void passwordConfirmed();
    // The window system asked to close the cover (Alt+F4 and the like).
    void closeRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void setPasswordControlsVisible(bool visible);

    QLabel* promptLabel_;
    QLineEdit* passwordEdit_;
    QPushButton* confirmButton_;
    QLabel* closeMark_;
};

}  // namespace ledgerleaf

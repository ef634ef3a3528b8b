#pragma once

#include <QObject>

class QPushButton;
class QWidget;

namespace ledgerleaf {

// Makes a button the window's default button: Enter or Return pressed on any control of the
// window clicks it while it is enabled, except on the controls that take Enter themselves.
class DefaultButton : public QObject {
    Q_OBJECT
  public:
    // Watches every control of `window` present now, apart from `takesEnter` and its parts.
    DefaultButton(QPushButton* button, QWidget* window, QWidget* takesEnter);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* button_;
};

}  // namespace ledgerleaf

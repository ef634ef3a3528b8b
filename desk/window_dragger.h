#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace ledgerleaf {

// Moves a frameless window with the mouse, as a title bar would: a left-button press on the
// window's own surface or on one of the handles starts the move, and that press never reaches
// the handle. Double-clicks and mouse moves still reach it.
class WindowDragger : public QObject {
    Q_OBJECT
  public:
    explicit WindowDragger(QWidget* window);

    // Presses on `handle` move the window.
    void addHandle(QWidget* handle);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    bool dragging_ = false;
    QPoint grabOffset_;
};

// Reports left-button presses and double-clicks on a control that has no such signals of its
// own (labels, picture boxes). With `keepPresses` the control keeps its presses, so they do not
// fall through to the window behind it and move it.
class ClickRelay : public QObject {
    Q_OBJECT
  public:
    ClickRelay(QWidget* control, bool keepPresses);

  signals:
    void pressed();
    void doubleClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keepPresses_;
};

}  // namespace ledgerleaf

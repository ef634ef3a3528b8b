#pragma once

#include <QWidget>

namespace ledgerleaf {

// The thin yellow strip at the top of the screen that stands for the diary while it is put
// away: 380 by 2 pixels, no frame, always on top, no task-bar button. A left-button press on
// it brings the diary back.
class BookendBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 2;

    explicit BookendBar(QWidget* parent = nullptr);

  signals:
    void pressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ledgerleaf

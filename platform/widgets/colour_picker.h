#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace ledgerleaf {

// A small swatch showing a colour; a click opens the colour dialog, and a confirmed choice is
// shown and reported through colourChosen.
class ColourPicker : public QWidget {
    Q_OBJECT
  public:
    explicit ColourPicker(QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    // The dialog that picks a colour, given the current one; an invalid colour means none was
    // chosen. The colour dialog unless set otherwise.
    void setChooser(std::function<QColor(const QColor&)> chooser) { chooser_ = std::move(chooser); }
    void setColour(const QColor& colour);

  signals:
    void colourChosen(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void pick();
    QColor colour_ = Qt::white;
    std::function<QColor(const QColor&)> chooser_;
};

}  // namespace ledgerleaf

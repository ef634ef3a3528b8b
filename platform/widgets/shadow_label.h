#pragma once

#include <QColor>
#include <QLabel>

namespace ledgerleaf {

// A transparent label whose text is drawn with a shadow behind it (the desk's title).
class ShadowLabel : public QLabel {
    Q_OBJECT
  public:
    ShadowLabel(const QString& text, QColor textColour, QColor shadowColour, int shadowOffset,
                QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor textColour_;
    QColor shadowColour_;
    int offset_;
};

}  // namespace ledgerleaf

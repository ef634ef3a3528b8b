#pragma once

#include <QByteArray>
#include <QFrame>
#include <QImage>

class QMovie;
class QBuffer;

namespace ledgerleaf {

// Shows one picture from its raw file bytes: centred at its natural size, shrunk in proportion
// when it is larger than the box; an animated GIF plays. The bytes are kept exactly as given,
// so what is stored again is what was loaded.
class PictureBox : public QFrame {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Shows the picture held in `bytes`; returns whether they decode as an image.
    // The bytes are kept either way; empty bytes empty the box.
    bool showPicture(const QByteArray& bytes);
    void clearPicture();

    bool hasPicture() const { return !bytes_.isEmpty(); }
    const QByteArray& pictureBytes() const { return bytes_; }
    bool isAnimated() const { return movie_ != nullptr; }
    // The area the picture is drawn into, in box coordinates (empty without a picture).
    QRect pictureRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void stopMovie();
    QSize naturalSize() const;

    QByteArray bytes_;
    QImage still_;
    QMovie* movie_ = nullptr;
    QBuffer* movieBuffer_ = nullptr;
};

}  // namespace ledgerleaf

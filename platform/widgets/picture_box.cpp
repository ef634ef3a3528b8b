#include "platform/widgets/picture_box.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>
#include <QPainter>

namespace ledgerleaf {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(pal);
}

PictureBox::~PictureBox() {
    stopMovie();
}

void PictureBox::stopMovie() {
    if (movie_) {
        movie_->stop();
        delete movie_;
        movie_ = nullptr;
    }
    delete movieBuffer_;
    movieBuffer_ = nullptr;
}

bool PictureBox::showPicture(const QByteArray& bytes) {
    stopMovie();
    still_ = QImage();
    bytes_ = bytes;
    if (bytes.isEmpty()) {
        update();
        return false;
    }
    {
        QBuffer probe;
        probe.setData(bytes);
        probe.open(QIODevice::ReadOnly);
        QImageReader reader(&probe);
        reader.setDecideFormatFromContent(true);
        if (reader.supportsAnimation() && reader.imageCount() != 1) {
            movieBuffer_ = new QBuffer;
            movieBuffer_->setData(bytes);
            movieBuffer_->open(QIODevice::ReadOnly);
            movie_ = new QMovie(movieBuffer_, QByteArray(), this);
            if (movie_->isValid()) {
                connect(movie_, &QMovie::frameChanged, this, [this] { update(); });
                movie_->start();
                update();
                return true;
            }
            stopMovie();
        }
    }
    still_ = QImage::fromData(bytes);
    update();
    return !still_.isNull();
}

void PictureBox::clearPicture() {
    showPicture(QByteArray());
}

QSize PictureBox::naturalSize() const {
    if (movie_)
        return movie_->currentImage().size();
    return still_.size();
}

QRect PictureBox::pictureRect() const {
    const QSize natural = naturalSize();
    if (natural.isEmpty())
        return QRect();
    const QRect area = contentsRect();
    QSize shown = natural;
    if (shown.width() > area.width() || shown.height() > area.height())
        shown = natural.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.x() + (area.width() - shown.width()) / 2,
                 area.y() + (area.height() - shown.height()) / 2, shown.width(), shown.height());
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect target = pictureRect();
    if (target.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, movie_ ? movie_->currentImage() : still_);
}

}  // namespace ledgerleaf

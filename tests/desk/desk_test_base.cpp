#include "desk_test_base.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>

namespace ledgerleaf::test {

void typeText(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &release);
    }
}

Bytes pictureBytes(const char* format, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return Bytes(bytes.begin(), bytes.end());
}

}  // namespace ledgerleaf::test

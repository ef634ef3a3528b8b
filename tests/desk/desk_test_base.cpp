#include "desk_test_base.h"

#include <sqlite3.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>

#include "core/utf8_path.h"

namespace ledgerleaf::test {

LockedDiary::LockedDiary(const std::filesystem::path& programDir) {
    sqlite3_open(utf8FromPath(programDir / "ledgerleaf.edb").c_str(), &db_);
    const std::string attach =
        "ATTACH DATABASE '" + utf8FromPath(programDir / "ledgerleaf.edt") + "' AS edt;";
    sqlite3_exec(db_, attach.c_str(), nullptr, nullptr, nullptr);
    ok_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr) == SQLITE_OK;
}

LockedDiary::~LockedDiary() {
    sqlite3_exec(db_, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
}

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

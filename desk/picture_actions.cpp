#include "desk/picture_actions.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>

#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "desk/desk_state.h"
#include "desk/desk_window.h"
#include "desk/month_list.h"
#include "desk/picture_bytes.h"
#include "platform/dialogs.h"
#include "platform/widgets/picture_box.h"
#include "store/memo_database.h"

namespace ledgerleaf {

namespace {

constexpr const char* kAttention = "注意！";
constexpr const char* kTooLarge = "为了保证数据库的性能，图片文件尺寸请不要大于200KB！";
constexpr const char* kWrongFormat = "抱歉，目前仅支持存储‘.JPG|.BMP|.GIF|.ICO|.CUR’五种格式的图片";
constexpr const char* kUnreadable = "无法读取这个图片文件，请检查文件是否还在、是否可以打开。";
constexpr const char* kNotAPicture = "这个文件不是可以显示的图片（文件可能已损坏），没有保存。";
constexpr const char* kSaveFailed = "图片保存失败，请检查数据库文件是否存在";
constexpr const char* kAddFailed = "增加记录失败，请检查数据库文件是否存在。";
constexpr const char* kConfirmDelete = "确认立即从数据库中删除这张图片？";
constexpr const char* kNoRecord = "您删除的这张照片是哪条记录的？我没找到！";
constexpr const char* kUpdateFailed = "更新数据库信息失败，请检查数据库文件";

bool acceptedExtension(const QString& ext) {
    static const QStringList accepted = {"jpg", "bmp", "gif", "ico", "cur"};
    return accepted.contains(ext.toLower());
}

// Whether the bytes decode as a picture of one of the accepted formats.
bool isPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    static const QList<QByteArray> formats = {"jpeg", "jpg", "bmp", "gif", "ico", "cur"};
    if (!formats.contains(format))
        return false;
    // A JPEG decoder fills a cut-off picture with grey and calls it read: a complete JPEG ends
    // its last scan with the end-of-image marker.
    if (format == "jpeg" || format == "jpg") {
        const qsizetype scan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
        if (scan < 0 || bytes.indexOf(QByteArrayView("\xFF\xD9", 2), scan) < 0)
            return false;
    }
    return !reader.read().isNull();
}

}  // namespace

PictureActions::PictureActions(DeskControls& controls, DeskServices& services, DeskState& state,
                               MonthList& monthList, std::function<void(int)> setPanelWidth,
                               std::function<int()> panelWidth)
    : c_(controls),
      services_(services),
      state_(state),
      monthList_(monthList),
      setPanelWidth_(std::move(setPanelWidth)),
      panelWidth_(std::move(panelWidth)) {}

void PictureActions::showDeleteButton(bool show) {
    c_.deletePictureButton->setVisible(show);
    c_.pictureHint->setVisible(!show);
}

void PictureActions::toggle() {
    if (panelWidth_() == DeskWindow::kClosedWidth) {
        setPanelWidth_(DeskWindow::kOpenWidth);
        showDeleteButton(c_.pictureBox->hasPicture());
        return;
    }
    setPanelWidth_(DeskWindow::kClosedWidth);
}

void PictureActions::storeDroppedOnPanelButton(const QString& pathText) {
    if (panelWidth_() != DeskWindow::kOpenWidth)
        setPanelWidth_(DeskWindow::kOpenWidth);
    storeDroppedFile(pathText);
}

void PictureActions::storeDroppedFile(const QString& pathText) {
    showDeleteButton(true);
    const QFileInfo info(pathText);
    if (info.isFile() && info.size() > kMaxPictureBytes) {
        services_.dialogs.message(kTooLarge, kAttention);
        return;
    }
    const QString extension = pathText.right(3);
    if (!acceptedExtension(extension)) {
        services_.dialogs.message(kWrongFormat, "格式限制：");
        return;
    }
    // Read the file once and judge what was read: it may change or vanish after the drop.
    QFile file(pathText);
    QByteArray bytes;
    if (!file.open(QIODevice::ReadOnly) || (bytes = file.read(kMaxPictureBytes + 1)).isEmpty() ||
        file.error() != QFileDevice::NoError) {
        services_.dialogs.message(kUnreadable, kAttention);
        showDeleteButton(c_.pictureBox->hasPicture());
        return;
    }
    if (bytes.size() > kMaxPictureBytes) {
        services_.dialogs.message(kTooLarge, kAttention);
        return;
    }
    if (!isPicture(bytes)) {
        services_.dialogs.message(kNotAPicture, kAttention);
        showDeleteButton(c_.pictureBox->hasPicture());
        return;
    }
    c_.pictureBox->showPicture(bytes);

    MemoDatabase& db = services_.db;
    const std::string ext = extension.toStdString();
    if (db.find_day(state_.selectedDay)) {
        if (!db.write_field(kFieldPicture, toBytes(bytes)) ||
            !db.write_field(kFieldExtension, ext)) {
            services_.dialogs.message(kSaveFailed, kAttention);
            return;
        }
    } else if (!db.add_day(state_.selectedDay, c_.memoEditor->toPlainText().toStdString(),
                           toBytes(bytes), ext)) {
        services_.dialogs.message(kAddFailed, "信息：");
        return;
    }
    c_.saveStatus->setText(QStringLiteral("图片已保存"));
    c_.saveStatus->show();
    monthList_.refresh_month_list();
}

void PictureActions::deletePicture() {
    if (services_.dialogs.message(kConfirmDelete, kAttention, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return;
    showDeleteButton(false);
    MemoDatabase& db = services_.db;
    if (!db.find_day(state_.selectedDay)) {
        services_.dialogs.message(kNoRecord, kAttention);
        return;
    }
    if (!db.write_field(kFieldPicture, Bytes()) ||
        !db.write_field(kFieldExtension, std::string())) {
        services_.dialogs.message(kUpdateFailed, kAttention);
        return;
    }
    c_.saveStatus->setText(QStringLiteral("图片删除成功"));
    c_.saveStatus->show();
    c_.pictureBox->clearPicture();
    monthList_.refresh_month_list();
}

}  // namespace ledgerleaf

#include "desk/picture_panel.h"

#include <QLabel>

#include "desk/control_factory.h"
#include "desk/desk_controls.h"
#include "desk/desk_texts.h"
#include "platform/widgets/file_drop_target.h"
#include "platform/widgets/picture_box.h"

namespace ledgerleaf {

namespace cf = control_factory;

void PicturePanel::build(QWidget* window, DeskControls& c) {
    const QColor yellow(255, 255, 0);
    c.saveStatus = cf::transparentLabel(window, QStringLiteral("备忘状态栏标签"),
                                        QString::fromUtf8(desk_texts::kSaveStatus),
                                        {520, 520, 350, 20}, yellow);
    c.saveStatus->hide();

    c.pictureBox = new PictureBox(window);
    c.pictureBox->setObjectName(QStringLiteral("图片框"));
    c.pictureBox->setGeometry(940, 30, 300, 490);

    c.deletePictureButton = cf::transparentLabel(c.pictureBox, QStringLiteral("删除图片按钮"),
                                                 QStringLiteral("×"), {271, 3, 20, 20}, yellow);
    QFont crossFont = c.deletePictureButton->font();
    crossFont.setPointSize(12);
    crossFont.setBold(true);
    c.deletePictureButton->setFont(crossFont);
    c.deletePictureButton->setCursor(Qt::PointingHandCursor);
    c.deletePictureButton->setToolTip(QString::fromUtf8(desk_texts::kTipDeletePicture));
    c.deletePictureButton->hide();

    c.pictureHint = cf::transparentLabel(c.pictureBox, QStringLiteral("图片框提示标签"),
                                         QString::fromUtf8(desk_texts::kPictureHint),
                                         {7, 453, 272, 20}, yellow);

    c.pictureDrop = new FileDropTarget(QStringLiteral("拖放对象"), c.pictureBox);
}

}  // namespace ledgerleaf

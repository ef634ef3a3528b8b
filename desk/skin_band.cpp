#include "desk/skin_band.h"

#include <QLabel>
#include <QPushButton>

#include "desk/control_factory.h"
#include "desk/desk_controls.h"
#include "desk/desk_texts.h"
#include "platform/widgets/shadow_label.h"

namespace ledgerleaf {

namespace cf = control_factory;

void SkinBand::build(QWidget* skin, DeskControls& c) {
    auto* title = new ShadowLabel(QString::fromUtf8(desk_texts::kTitle), QColor(255, 255, 0),
                                  Qt::black, 2, skin);
    title->setObjectName(QStringLiteral("软件标题标签"));
    title->setGeometry(47, 4, 248, 24);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont titleFont = title->font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    c.title = title;

    c.helpButton = cf::iconBox(skin, QStringLiteral("说明按钮"),
                               QStringLiteral(":/icons/scroll.png"), {781, 7, 20, 20});
    c.helpButton->setCursor(Qt::WhatsThisCursor);
    c.helpButton->setToolTip(QString::fromUtf8(desk_texts::kTipHelp));

    c.lockedIcon = cf::iconBox(skin, QStringLiteral("已锁图片框"),
                               QStringLiteral(":/icons/lock_closed.png"), {827, 3, 24, 24});
    c.lockedIcon->setToolTip(QString::fromUtf8(desk_texts::kTipLocked));
    c.lockedIcon->hide();
    c.unlockedIcon = cf::iconBox(skin, QStringLiteral("未锁图片框"),
                                 QStringLiteral(":/icons/lock_open.png"), {827, 3, 24, 24});
    c.unlockedIcon->setToolTip(QString::fromUtf8(desk_texts::kTipUnlocked));
    c.unlockedIcon->hide();

    c.collapseButton = cf::iconBox(skin, QStringLiteral("收起备忘按钮"),
                                   QStringLiteral(":/icons/bookshelf.png"), {872, 2, 24, 24});
    c.collapseButton->setToolTip(QString::fromUtf8(desk_texts::kTipCollapse));

    c.closeButton =
        cf::flatButton(skin, QStringLiteral("关闭程序按钮"), QStringLiteral("×"), {912, 3, 24, 24});
    QFont closeFont = c.closeButton->font();
    closeFont.setPointSize(12);
    c.closeButton->setFont(closeFont);
    c.closeButton->setStyleSheet(QStringLiteral(
        "QPushButton { color: rgb(255,255,0); background-color: rgb(96,56,28); border: none; }"
        "QPushButton:hover { background-color: rgb(128,76,38); }"));
    c.closeButton->setToolTip(QString::fromUtf8(desk_texts::kTipClose));

    c.databaseStatus = cf::transparentLabel(skin, QStringLiteral("数据库情况状态栏"), QString(),
                                            {52, 520, 360, 20}, QColor(255, 255, 0));
}

}  // namespace ledgerleaf

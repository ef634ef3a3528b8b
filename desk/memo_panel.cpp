#include "desk/memo_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "desk/control_factory.h"
#include "desk/desk_controls.h"
#include "desk/desk_texts.h"
#include "platform/widgets/colour_picker.h"
#include "platform/widgets/file_drop_target.h"
#include "platform/widgets/tab_folder.h"

namespace ledgerleaf {

namespace cf = control_factory;

void MemoPanel::build(QWidget* skin, DeskControls& c) {
    c.memoFolder = new TabFolder({QStringLiteral("日志备忘")}, skin);
    c.memoFolder->setObjectName(QStringLiteral("备忘背景选择夹"));
    c.memoFolder->setGeometry(512, 39, 375, 480);
    QWidget* page = c.memoFolder->page(0);

    c.dayLabel = cf::transparentLabel(page, QStringLiteral("今日提醒标签"), QString(),
                                      {70, 0, 85, 18}, QColor(0, 0, 255));
    c.dayLabel->setToolTip(QString::fromUtf8(desk_texts::kTipDayLabel));
    c.fontButton = cf::flatButton(page, QStringLiteral("字体设置按钮"), QStringLiteral("字体设置"),
                                  {163, 0, 50, 18});
    c.colourLabel = cf::plainLabel(page, QStringLiteral("背景色标签"), QStringLiteral("背景色设置"),
                                   {214, 0, 64, 18});
    c.colourPicker = new ColourPicker(page);
    c.colourPicker->setObjectName(QStringLiteral("颜色选择器"));
    c.colourPicker->setGeometry(280, 0, 40, 18);
    c.colourPicker->setColour(Qt::white);

    c.separator = cf::plainLabel(page, QStringLiteral("标签1"), QString(), {322, 0, 3, 18});
    c.separator->setFrameShape(QFrame::VLine);
    c.separator->setFrameShadow(QFrame::Sunken);

    c.calculatorButton = cf::flatButton(page, QStringLiteral("计算器按钮"), QString(),
                                        {327, 0, 20, 16}, QStringLiteral(":/icons/calculator.png"));
    c.calculatorButton->setToolTip(QString::fromUtf8(desk_texts::kTipCalculator));
    c.panelButton = cf::flatButton(page, QStringLiteral("图片面板按钮"), QString(),
                                   {348, 0, 24, 16}, QStringLiteral(":/icons/picture_panel.png"));
    c.panelButton->setToolTip(QString::fromUtf8(desk_texts::kTipPanelButton));

    c.memoEditor = new QPlainTextEdit(page);
    c.memoEditor->setObjectName(QStringLiteral("备忘编辑框"));
    c.memoEditor->setGeometry(4, 24, 365, 448);
    c.memoEditor->setFrameShape(QFrame::StyledPanel);
    c.memoEditor->setFrameShadow(QFrame::Sunken);
    c.memoEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.memoEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.memoEditor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    c.memoEditor->setTabChangesFocus(false);
    // Black on white; the selection is hidden while the editor has no focus.
    QPalette pal = c.memoEditor->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    c.memoEditor->setPalette(pal);

    c.panelButtonDrop = new FileDropTarget(QStringLiteral("拖放对象1"), page);
}

}  // namespace ledgerleaf

#include "desk/calendar_panel.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "desk/control_factory.h"
#include "desk/desk_controls.h"
#include "desk/desk_texts.h"
#include "platform/lunar/lunar_calendar.h"
#include "platform/widgets/sorted_list_box.h"
#include "platform/widgets/tab_folder.h"

namespace ledgerleaf {

namespace cf = control_factory;

void CalendarPanel::build(QWidget* skin, DeskControls& c) {
    c.calendarFolder = new TabFolder({QStringLiteral("日历")}, skin);
    c.calendarFolder->setObjectName(QStringLiteral("日历照片选择夹"));
    c.calendarFolder->setGeometry(52, 39, 372, 480);
    QWidget* page = c.calendarFolder->page(0);

    c.calendar = new LunarCalendar(page);
    c.calendar->setObjectName(QStringLiteral("日历"));
    c.calendar->setGeometry(4, 24, 365, 262);
    // The "转到今日" button stands on the calendar's bottom strip.
    c.calendar->setFooterHeight(20);

    c.todayButton = cf::flatButton(page, QStringLiteral("转到今日按钮"), QStringLiteral("转到今日"),
                                   {125, 267, 60, 18});

    c.alignTimer = new QTimer(page);
    c.alignTimer->setObjectName(QStringLiteral("窗口对齐时钟"));
    c.alignTimer->setInterval(500);

    c.listFolder =
        new TabFolder({QStringLiteral("本月备忘列表"), QStringLiteral("搜索功能")}, page);
    c.listFolder->setObjectName(QStringLiteral("日历相关功能选择夹"));
    c.listFolder->setGeometry(3, 289, 365, 185);

    QWidget* listPage = c.listFolder->page(0);
    c.monthList = new SortedListBox(listPage);
    c.monthList->setObjectName(QStringLiteral("本月备忘列表框"));
    c.monthList->setGeometry(5, 24, 355, 153);
    QFont listFont = c.monthList->font();
    listFont.setPointSize(9);
    c.monthList->setFont(listFont);

    QWidget* searchPage = c.listFolder->page(1);
    c.searchPrompt = cf::plainLabel(searchPage, QStringLiteral("搜索提示标签"),
                                    QStringLiteral("请输入搜索关键词："), {5, 24, 104, 24});
    c.searchEdit = new QLineEdit(searchPage);
    c.searchEdit->setObjectName(QStringLiteral("搜索内容编辑框"));
    c.searchEdit->setGeometry(117, 24, 179, 20);
    c.searchButton = cf::button(searchPage, QStringLiteral("搜索按钮"), QStringLiteral("搜索"),
                                {301, 23, 60, 24});
    c.resultList = new SortedListBox(searchPage);
    c.resultList->setObjectName(QStringLiteral("搜索结果列表框"));
    c.resultList->setGeometry(5, 56, 291, 123);
    c.exportResultsButton = cf::button(searchPage, QStringLiteral("结果导出按钮"),
                                       QStringLiteral("结果导出\n至EXCEL"), {300, 94, 60, 32});
    c.exportResultsButton->setEnabled(false);
    c.exportResultsButton->setToolTip(QString::fromUtf8(desk_texts::kTipExport));
    c.exportAllButton = cf::button(searchPage, QStringLiteral("全库导出按钮"),
                                   QStringLiteral("全库导出\n至EXCEL"), {300, 140, 60, 32});
    c.exportAllButton->setToolTip(QString::fromUtf8(desk_texts::kTipExport));
}

}  // namespace ledgerleaf

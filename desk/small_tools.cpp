#include "desk/small_tools.h"

#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "desk/help_window.h"
#include "desk/month_list.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "store/memo_database.h"

namespace ledgerleaf {

SmallTools::SmallTools(DeskControls& controls, DeskServices& services, MonthList& monthList)
    : c_(controls), services_(services), monthList_(monthList) {}

void SmallTools::openHelp() {
    HelpWindow help(services_.programDir, c_.window);
    help.exec();
}

void SmallTools::startCalculator() {
    const bool started =
        services_.startCalculator ? services_.startCalculator() : ledgerleaf::startCalculator();
    if (!started)
        services_.dialogs.message("没有找到可以启动的计算器程序。", "注意！");
}

void SmallTools::clearDatabase() {
    if (services_.dialogs.message("是否需要清空数据库？", "隐藏功能，慎用！",
                                  MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (!services_.db.clear_all()) {
        services_.dialogs.message("清空数据库失败，数据库中的记录都还在。", "注意！");
        monthList_.refresh_month_list();
        return;
    }
    monthList_.refresh_month_list();
    services_.dialogs.message("数据库现已被清空！", "注意！");
}

}  // namespace ledgerleaf

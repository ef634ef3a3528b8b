#include "desk/search_actions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/date_time.h"
#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "platform/widgets/sorted_list_box.h"
#include "search/keyword_search.h"
#include "search/list_item_text.h"
#include "store/memo_database.h"

namespace ledgerleaf {

SearchActions::SearchActions(DeskControls& controls, DeskServices& services,
                             std::function<bool(double)> showDay)
    : c_(controls), services_(services), showDay_(std::move(showDay)) {}

void SearchActions::search() {
    const QSignalBlocker block(c_.resultList);
    c_.resultList->clear();
    const std::string keyword = c_.searchEdit->text().toStdString();
    if (keyword.empty()) {
        c_.resultList->addPlainItem(QStringLiteral("请输入要搜索的关键词！"));
        return;
    }
    c_.exportResultsButton->setEnabled(true);
    const std::vector<SearchHit> hits = search_memos(services_.db, keyword);
    for (const SearchHit& hit : hits)
        c_.resultList->addItemWithValue(
            QString::fromStdString(resultListItemText(hit.date, hit.hasPicture)), hit.number);
    if (!hits.empty()) {
        c_.databaseStatus->setText(
            QStringLiteral("包含该关键词的备忘共有%1天").arg(qsizetype(hits.size())));
        return;
    }
    c_.resultList->addPlainItem(QStringLiteral("没有符合条件的日期"));
}

void SearchActions::onResultChosen(int row) {
    const std::optional<int> number = c_.resultList->valueAt(row);
    if (!number)
        return;  // the two message items carry no record
    services_.db.go_to_record(*number);
    showDay_(datePart(services_.db.read_date()));
}

}  // namespace ledgerleaf

#include "desk/month_list.h"

#include <QLabel>
#include <QSignalBlocker>

#include "core/date_time.h"
#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "desk/desk_state.h"
#include "platform/lunar/lunar_calendar.h"
#include "platform/widgets/sorted_list_box.h"
#include "search/list_item_text.h"
#include "store/memo_database.h"

namespace ledgerleaf {

MonthList::MonthList(DeskControls& controls, DeskServices& services, DeskState& state)
    : c_(controls), services_(services), state_(state) {}

void MonthList::refresh_month_list() {
    const QSignalBlocker block(c_.monthList);
    c_.monthList->clear();
    const QDate shown = c_.calendar->selectedDate();
    const int year = shown.year();
    const int month = shown.month();
    int count = 0;
    services_.db.for_each_summary([&](const RecordSummary& r) {
        const DateTimeParts p = toParts(r.date);
        if (p.year != year || p.month != month || !r.valid())
            return;
        c_.monthList->addItemWithValue(
            QString::fromStdString(monthListItemText(r.date, !r.pictureEmpty)), r.number);
        ++count;
    });
    c_.databaseStatus->setText(
        QString::fromStdString(monthStatusText(year, month, count, services_.db.record_count())));
}

void MonthList::onItemChosen(int row) {
    const std::optional<int> number = c_.monthList->valueAt(row);
    if (!number)
        return;
    services_.db.go_to_record(*number);
    const double date = datePart(services_.db.read_date());
    // A date the calendar refuses leaves the selected day and the calendar as they were.
    if (showDay_)
        showDay_(date);
}

}  // namespace ledgerleaf

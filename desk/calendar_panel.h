#pragma once

class QWidget;

namespace ledgerleaf {

struct DeskControls;

// The left page: the tab control "日历" with the lunar calendar, the "转到今日" button, the
// alignment timer and the inner tab control holding the month list and the search page.
struct CalendarPanel {
    static void build(QWidget* skin, DeskControls& controls);
};

}  // namespace ledgerleaf

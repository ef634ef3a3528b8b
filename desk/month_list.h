#pragma once

#include <functional>

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;
struct DeskState;

// The list of the shown month's days that carry a memo or a picture, and the database status
// line; both are rebuilt from the whole table after every change.
class MonthList {
  public:
    MonthList(DeskControls& controls, DeskServices& services, DeskState& state);

    // Jumps to a day through the calendar (the day loader's show_day); false when refused.
    void setShowDay(std::function<bool(double)> showDay) { showDay_ = std::move(showDay); }

    // Rebuilds the list and the status line for the year and month of the calendar's selected
    // date.
    void refresh_month_list();
    // The user chose the item in `row`: opens that day.
    void onItemChosen(int row);

  private:
    DeskControls& c_;
    DeskServices& services_;
    DeskState& state_;
    std::function<bool(double)> showDay_;
};

}  // namespace ledgerleaf

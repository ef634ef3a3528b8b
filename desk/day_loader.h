#pragma once

#include <functional>
#include <string>

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;
struct DeskState;
class MonthList;

// Chooses the selected day from the calendar and loads that day's memo and picture into the
// right page and the picture panel.
class DayLoader {
  public:
    DayLoader(DeskControls& controls, DeskServices& services, DeskState& state,
              MonthList& monthList, std::function<void(int)> setPanelWidth);

    // Sends the set-date command for the date's year, month and day; the calendar's date-set
    // event then loads the day. False when the calendar refuses the date.
    bool show_day(double date);

    // The calendar's events.
    void onDateSet();
    void onDayClicked();
    void onDayHovered();
    void onWheel(int notches);
    // The "转到今日" button.
    void goToToday();

    // Set-up: shows today's record when there is one (the selected day must be today).
    void loadSelectedDayAtStart();

  private:
    void takeSelectedDate();
    void showRecordUnderCursor();
    void showEmptyDay();
    void setEditorText(const std::string& text);
    void syncPictureControls();

    DeskControls& c_;
    DeskServices& services_;
    DeskState& state_;
    MonthList& monthList_;
    std::function<void(int)> setPanelWidth_;
};

}  // namespace ledgerleaf

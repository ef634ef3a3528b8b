#pragma once

class QWidget;

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;
class MonthList;

// The small functions hanging off the desk: the help window, the calculator and the hidden
// command that empties the whole diary.
class SmallTools {
  public:
    SmallTools(DeskControls& controls, DeskServices& services, MonthList& monthList);

    // Double-click on the scroll picture: the help window, modal over the desk.
    void openHelp();
    // Click on the calculator button: starts the system calculator without waiting for it.
    void startCalculator();
    // Double-click on the database status line: asks, then deletes every record.
    void clearDatabase();

  private:
    DeskControls& c_;
    DeskServices& services_;
    MonthList& monthList_;
};

}  // namespace ledgerleaf

#pragma once

#include <functional>

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;

// The search page: runs the keyword search into the result list and opens a chosen result.
class SearchActions {
  public:
    SearchActions(DeskControls& controls, DeskServices& services,
                  std::function<bool(double)> showDay);

    // Click on "搜索" (also Enter on any control that does not take Enter itself).
    void search();
    // The user chose the result item in `row`.
    void onResultChosen(int row);

  private:
    DeskControls& c_;
    DeskServices& services_;
    std::function<bool(double)> showDay_;
};

}  // namespace ledgerleaf

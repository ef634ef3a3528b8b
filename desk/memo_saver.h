#pragma once

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;
struct DeskState;
class MonthList;

// Writes every change of the memo editor to the selected day's record at once, together with
// the picture shown in the picture box. There is no save command.
class MemoSaver {
  public:
    MemoSaver(DeskControls& controls, DeskServices& services, DeskState& state,
              MonthList& monthList);

    // The editor's text-changed event.
    void onTextChanged();
    // Double-click on the day label: appends the selected day's date text to the memo.
    void appendDayLabel();

  private:
    void fail(const char* message);

    DeskControls& c_;
    DeskServices& services_;
    DeskState& state_;
    MonthList& monthList_;
};

}  // namespace ledgerleaf

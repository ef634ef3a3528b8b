#pragma once

#include <optional>
#include <vector>

#include "platform/spreadsheet.h"
#include "search/spreadsheet_export.h"

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;

// The two export buttons of the search page: the whole diary, and the days of the result list,
// each into a spreadsheet with the pictures written into an export folder.
class ExportActions {
  public:
    // `makeSpreadsheet` makes the spreadsheet of each export; empty means the desktop's (an
    // .xlsx workbook opened with the desktop's program).
    ExportActions(DeskControls& controls, DeskServices& services,
                  SpreadsheetFactory makeSpreadsheet = {});

    // Click on "全库导出至EXCEL": every record in date order.
    void exportAll();
    // Click on "结果导出至EXCEL": disables the button (the next search enables it again) and
    // exports the days of the result list in the order the list shows them.
    void exportResults();

  private:
    // The record number of every item of the result list, from the top; nothing for the
    // list's message items.
    std::vector<std::optional<int>> resultRecordNumbers() const;

    DeskControls& c_;
    SpreadsheetExport export_;
};

}  // namespace ledgerleaf

#include "desk/export_actions.h"

#include <QPushButton>
#include <utility>

#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "platform/spreadsheet_factory.h"
#include "platform/widgets/sorted_list_box.h"

namespace ledgerleaf {

ExportActions::ExportActions(DeskControls& controls, DeskServices& services,
                             SpreadsheetFactory makeSpreadsheet)
    : c_(controls),
      export_({services.db, services.dialogs, services.clock, services.exit, services.programDir,
               makeSpreadsheet ? std::move(makeSpreadsheet)
                               : SpreadsheetFactory(&makeDesktopSpreadsheet)}) {}

void ExportActions::exportAll() {
    export_.export_all();
}

void ExportActions::exportResults() {
    c_.exportResultsButton->setEnabled(false);
    export_.export_results(resultRecordNumbers());
}

std::vector<std::optional<int>> ExportActions::resultRecordNumbers() const {
    std::vector<std::optional<int>> numbers;
    const int count = c_.resultList->count();
    numbers.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        numbers.push_back(c_.resultList->valueAt(row));
    return numbers;
}

}  // namespace ledgerleaf

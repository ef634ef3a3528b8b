#pragma once

#include <filesystem>
#include <memory>

#include "platform/spreadsheet.h"

namespace ledgerleaf {

// The spreadsheet of the running program: an .xlsx workbook saved into the export folder and
// opened with the desktop's program for such files (Excel where it is installed). Needs a
// running QGuiApplication when a workbook is finished.
std::unique_ptr<Spreadsheet> makeDesktopSpreadsheet();

// Opens a file with the desktop's program for its type; false when none took it.
bool openWithDesktop(const std::filesystem::path& file);

}  // namespace ledgerleaf

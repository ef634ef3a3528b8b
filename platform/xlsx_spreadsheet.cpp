#include "platform/xlsx_spreadsheet.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "core/utf8_path.h"
#include "platform/file_system.h"
#include "platform/xlsx_spreadsheet_text.h"

namespace ledgerleaf {

namespace fs = std::filesystem;

namespace {

// The widest column the spreadsheet program allows, and the width of a new column.
constexpr double kMaxColumnWidth = 255;
constexpr double kDefaultColumnWidth = LXW_DEF_COL_WIDTH;
// Tries for a free workbook name before giving up.
constexpr int kMaxNameTries = 1000;

fs::path candidateName(const fs::path& folder, const std::string& stem, int attempt) {
    std::string name = stem;
    if (attempt > 1)
        name += "(" + std::to_string(attempt) + ")";
    return folder / pathFromUtf8(name + ".xlsx");
}

}  // namespace

XlsxSpreadsheet::XlsxSpreadsheet(FileOpener openFile) : openFile_(std::move(openFile)) {}

void XlsxSpreadsheet::open() {
    open_ = true;
}

void XlsxSpreadsheet::setCellText(const std::string& cell, const std::string& text) {
    if (!open_)
        return;
    if (const auto at = parseCellAddress(cell))
        cells_[*at] = text;
}

void XlsxSpreadsheet::autofit(const std::string& cell) {
    if (open_ && parseCellAddress(cell))
        fitColumns_ = true;
}

bool XlsxSpreadsheet::write(const fs::path& file) const {
    lxw_workbook_options options{};
    lxw_workbook* workbook = workbook_new_opt(utf8FromPath(file).c_str(), &options);
    if (!workbook)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    bool ok = sheet != nullptr;
    std::map<int, int> widths;
    for (const auto& [at, text] : cells_) {
        if (!ok)
            break;
        const std::string stored = xlsxCellText(text);
        ok = worksheet_write_string(sheet, static_cast<lxw_row_t>(at.row),
                                    static_cast<lxw_col_t>(at.column), stored.c_str(),
                                    nullptr) == LXW_NO_ERROR;
        int& width = widths[at.column];
        width = std::max(width, textDisplayWidth(text));
    }
    if (ok && fitColumns_) {
        for (const auto& [column, width] : widths) {
            const double fitted = std::clamp(width + 1.0, kDefaultColumnWidth, kMaxColumnWidth);
            const auto col = static_cast<lxw_col_t>(column);
            ok = ok && worksheet_set_column(sheet, col, col, fitted, nullptr) == LXW_NO_ERROR;
        }
    }
    // Closing writes the file and frees the workbook, also after a failure above.
    const lxw_error closed = workbook_close(workbook);
    return ok && closed == LXW_NO_ERROR;
}

bool XlsxSpreadsheet::finish(const fs::path& exportFolder) {
    if (!open_)
        return true;
    const std::string stem = utf8FromPath(exportFolder.filename());
    const fs::path temp = exportFolder / pathFromUtf8(stem + ".xlsx.part");
    std::error_code error;
    if (!write(temp)) {
        fs::remove(temp, error);
        return false;
    }
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt) {
        const fs::path target = candidateName(exportFolder, stem, attempt);
        if (pathExists(target))
            continue;
        if (renameNoReplace(temp, target)) {
            savedFile_ = target;
            if (openFile_)
                openFile_(target);
            return true;
        }
        if (!pathExists(target))
            break;  // the rename failed for another reason than a name taken meanwhile
    }
    fs::remove(temp, error);
    return false;
}

}  // namespace ledgerleaf

#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/spreadsheet.h"
#include "platform/spreadsheet_cell.h"

namespace ledgerleaf {

// The spreadsheet as an .xlsx workbook file, for every machine (with or without Excel).
//
// open() starts an empty workbook in memory; setCellText() keeps each cell as a text (never a
// formula or number; see xlsxCellText for what happens to texts a workbook cannot hold as they
// are); autofit() sets the width of every written column from its longest text. finish()
// writes the workbook into the export folder, named after the folder ("2011年4月10日-导出全库
// 图片.xlsx"), and then hands it to `openFile` (the desktop's program for .xlsx files).
//
// The file is written under a temporary name in the same folder and then renamed, so a
// workbook of that name never appears half-written. An existing workbook is never replaced:
// the user may have edited and saved an earlier export, so the next free name
// "NAME(2).xlsx", "NAME(3).xlsx", ... is taken instead. Nothing is written when finish() is not
// called (an export that ended early leaves no workbook behind).
class XlsxSpreadsheet : public Spreadsheet {
  public:
    // Opens a finished workbook for the user; false when it could not be opened.
    using FileOpener = std::function<bool(const std::filesystem::path&)>;

    explicit XlsxSpreadsheet(FileOpener openFile);

    void open() override;
    void setCellText(const std::string& cell, const std::string& text) override;
    void autofit(const std::string& cell) override;
    // False when the workbook could not be written into the folder; a workbook that was written
    // but could not be opened is kept and counts as success.
    bool finish(const std::filesystem::path& exportFolder) override;

    // The workbook finish() wrote last; empty before.
    const std::filesystem::path& savedFile() const { return savedFile_; }

  private:
    bool write(const std::filesystem::path& file) const;

    FileOpener openFile_;
    bool open_ = false;
    bool fitColumns_ = false;
    std::map<SpreadsheetCell, std::string> cells_;
    std::filesystem::path savedFile_;
};

}  // namespace ledgerleaf

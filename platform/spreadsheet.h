#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace ledgerleaf {

// The spreadsheet program the exports write into, driven step by step as an automation
// client drives it: start the application and show it, add a workbook and take its first
// sheet (open), write cells one at a time as text, fit the columns, and hand the finished
// workbook over to the user.
//
// Every step is guarded on its own and fails silently: a backend that cannot start keeps no
// sheet, and the steps after it do nothing. No step throws. Cell values are always texts, never
// formulas or numbers: "=1+2" stays the text "=1+2".
class Spreadsheet {
  public:
    virtual ~Spreadsheet() = default;

    // Creates the application, makes it visible, adds a workbook and takes its first sheet.
    virtual void open() = 0;
    // Writes `text` (UTF-8) into the one cell `cell`, a column in letters followed by the row
    // number without leading zeros ("a1", "c11"); that cell becomes the current range. An
    // address of another form is ignored.
    virtual void setCellText(const std::string& cell, const std::string& text) = 0;
    // Fits the columns to their contents; `cell` is the current range it is called on.
    virtual void autofit(const std::string& cell) = 0;
    // Completes the workbook after the last step of an export whose pictures went into
    // `exportFolder`. A backend that keeps a live application shows nothing more; a backend that
    // writes a file saves it into that folder and opens it with the desktop's program. False
    // only when a workbook that was written could not be kept (the user has no spreadsheet);
    // a missing application is not a failure.
    virtual bool finish(const std::filesystem::path& exportFolder) = 0;
};

// Makes the spreadsheet for one export; the previous one is released when the next export
// starts.
using SpreadsheetFactory = std::function<std::unique_ptr<Spreadsheet>()>;

}  // namespace ledgerleaf

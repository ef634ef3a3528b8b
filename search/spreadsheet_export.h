#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/spreadsheet.h"

namespace ledgerleaf {

class Clock;
class Dialogs;
class MemoDatabase;
class ProgramExit;

// The two exports of diary days into a spreadsheet, with the picture of each exported day
// written as a file into an export folder in the program directory.
//
// The sheet gets the header row "日期", "备忘", "当日配图" and one row per exported day: its date
// text, its memo unchanged and "当日图片请至本程序所在文件夹中查看". A day with a picture also
// gets the file "<date-time text>配图.<extension>" in the export folder (replacing a file of
// that name). Characters a file name cannot hold in a stored extension become "_", so a
// picture never lands outside the export folder.
//
// Failures that leave the export in doubt show their message, close all databases and end the
// program with exit code 0 through ProgramExit. The memo database ("ledgerleaf") is the current
// database again after every export that does not end the program.
class SpreadsheetExport {
  public:
    struct Services {
        MemoDatabase& db;
        Dialogs& dialogs;
        Clock& clock;
        ProgramExit& exit;
        std::filesystem::path programDir;
        SpreadsheetFactory makeSpreadsheet;
    };

    explicit SpreadsheetExport(Services services);
    ~SpreadsheetExport();
    SpreadsheetExport(const SpreadsheetExport&) = delete;
    SpreadsheetExport& operator=(const SpreadsheetExport&) = delete;

    // Every record of the memo database in date order, read from a copy sorted by date
    // (temp.edb / temp.edt under the alias "temp", deleted afterwards); a protected copy asks
    // for the password. The pictures go to "<date text of today>-导出全库图片", one folder per
    // day, reused after the user agrees.
    void export_all();

    // The days of the search result list, in list order: `recordNumbers` holds the record
    // number each list item carries. Items without one (the list's message items) and numbers
    // that no longer name a record are skipped, so every row is a real day. The pictures go to
    // a new folder "<date-time text of the moment>-导出搜索结果图片".
    void export_results(const std::vector<std::optional<int>>& recordNumbers);

  private:
    void openSheet();
    // Writes row `row` of the sheet from the record under the cursor of the current database;
    // false when the program was ended.
    bool writeRow(int row, const std::filesystem::path& folder);
    void finishSheet(int lastRow, const std::filesystem::path& folder);
    void removeTempCopy();
    void fatal(const char* text);
    void tell(const char* text);

    Services s_;
    // Kept from one export to the next, as the spreadsheet program stays open with it.
    std::unique_ptr<Spreadsheet> sheet_;
};

}  // namespace ledgerleaf

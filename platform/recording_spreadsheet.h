#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/spreadsheet.h"

namespace ledgerleaf {

// One call a RecordingSpreadsheet received.
struct SpreadsheetCall {
    enum class Kind { Open, SetCellText, Autofit, Finish, Released };
    Kind kind = Kind::Open;
    std::string cell;  // SetCellText, Autofit
    std::string text;  // SetCellText: the text; Finish: the export folder as UTF-8

    bool operator==(const SpreadsheetCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SpreadsheetCall& call);

// A spreadsheet for tests: appends every call, in order, to a log the test owns (so the log
// outlives the spreadsheet, whose release is logged too), and calls an optional hook after each
// call, with which a test can move its clock or fail something in the middle of an export.
class RecordingSpreadsheet : public Spreadsheet {
  public:
    explicit RecordingSpreadsheet(std::vector<SpreadsheetCall>& log,
                                  std::function<void(const SpreadsheetCall&)> hook = {},
                                  bool finishSucceeds = true);
    ~RecordingSpreadsheet() override;

    void open() override;
    void setCellText(const std::string& cell, const std::string& text) override;
    void autofit(const std::string& cell) override;
    bool finish(const std::filesystem::path& exportFolder) override;

  private:
    void record(SpreadsheetCall call);

    std::vector<SpreadsheetCall>& log_;
    std::function<void(const SpreadsheetCall&)> hook_;
    bool finishSucceeds_;
};

}  // namespace ledgerleaf

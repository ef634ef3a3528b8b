#include "platform/recording_spreadsheet.h"

#include <utility>

#include "core/utf8_path.h"

namespace ledgerleaf {

std::ostream& operator<<(std::ostream& out, const SpreadsheetCall& call) {
    switch (call.kind) {
        case SpreadsheetCall::Kind::Open:
            return out << "open";
        case SpreadsheetCall::Kind::SetCellText:
            return out << "set " << call.cell << " \"" << call.text << "\"";
        case SpreadsheetCall::Kind::Autofit:
            return out << "autofit " << call.cell;
        case SpreadsheetCall::Kind::Finish:
            return out << "finish " << call.text;
        case SpreadsheetCall::Kind::Released:
            return out << "released";
    }
    return out;
}

RecordingSpreadsheet::RecordingSpreadsheet(std::vector<SpreadsheetCall>& log,
                                           std::function<void(const SpreadsheetCall&)> hook,
                                           bool finishSucceeds)
    : log_(log), hook_(std::move(hook)), finishSucceeds_(finishSucceeds) {}

RecordingSpreadsheet::~RecordingSpreadsheet() {
    log_.push_back({SpreadsheetCall::Kind::Released, {}, {}});
}

void RecordingSpreadsheet::record(SpreadsheetCall call) {
    log_.push_back(call);
    if (hook_)
        hook_(call);
}

void RecordingSpreadsheet::open() {
    record({SpreadsheetCall::Kind::Open, {}, {}});
}

void RecordingSpreadsheet::setCellText(const std::string& cell, const std::string& text) {
    record({SpreadsheetCall::Kind::SetCellText, cell, text});
}

void RecordingSpreadsheet::autofit(const std::string& cell) {
    record({SpreadsheetCall::Kind::Autofit, cell, {}});
}

bool RecordingSpreadsheet::finish(const std::filesystem::path& exportFolder) {
    record({SpreadsheetCall::Kind::Finish, {}, utf8FromPath(exportFolder)});
    return finishSucceeds_;
}

}  // namespace ledgerleaf

#include "platform/spreadsheet_cell.h"

namespace ledgerleaf {

std::optional<SpreadsheetCell> parseCellAddress(std::string_view address) {
    std::size_t pos = 0;
    long long column = 0;
    while (pos < address.size()) {
        char c = address[pos];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c < 'a' || c > 'z')
            break;
        column = column * 26 + (c - 'a' + 1);
        if (column > kMaxSheetColumns)
            return std::nullopt;
        ++pos;
    }
    if (pos == 0 || pos == address.size() || address[pos] == '0')
        return std::nullopt;
    long long row = 0;
    for (; pos < address.size(); ++pos) {
        const char c = address[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        row = row * 10 + (c - '0');
        if (row > kMaxSheetRows)
            return std::nullopt;
    }
    return SpreadsheetCell{static_cast<int>(row - 1), static_cast<int>(column - 1)};
}

}  // namespace ledgerleaf

#pragma once

#include <optional>
#include <string_view>

namespace ledgerleaf {

// A cell of a worksheet, counted from 0 ("a1" is row 0, column 0).
struct SpreadsheetCell {
    int row = 0;
    int column = 0;
    bool operator==(const SpreadsheetCell&) const = default;
    auto operator<=>(const SpreadsheetCell&) const = default;
};

// The largest sheet a workbook holds: 1,048,576 rows and 16,384 columns (A to XFD).
inline constexpr int kMaxSheetRows = 1048576;
inline constexpr int kMaxSheetColumns = 16384;

// Reads a one-cell address: column letters (either case) followed by the row number in decimal
// without leading zeros: "a1", "C11", "xfd1048576". Nothing for any other form, and for a cell
// outside the largest sheet.
std::optional<SpreadsheetCell> parseCellAddress(std::string_view address);

}  // namespace ledgerleaf

#pragma once

#include <string>
#include <string_view>

namespace ledgerleaf {

// The most characters a worksheet cell holds (counted in UTF-16 units, as the spreadsheet
// program counts them).
inline constexpr int kMaxCellCharacters = 32767;

// The text of a cell as it goes to the xlsx writer, so that the spreadsheet program shows
// exactly `text`:
// - bytes that are not UTF-8 (and NUL, U+FFFE, U+FFFF, which a workbook cannot hold) become
//   U+FFFD, so the workbook always opens;
// - a literal "_xHHHH_" (four hex digits), which the workbook format reads as an escaped
//   character, gets its underscore escaped as "_x005F_";
// - a text longer than a cell holds is cut after a whole character and ends with "…", so the
//   cell shows that something is missing; the cell then holds exactly 32,767 characters.
//   Only the spreadsheet copy is cut, never the diary.
// The length limit is kept both for the characters the spreadsheet shows and for the escaped
// text the writer checks.
std::string xlsxCellText(std::string_view text);

// The width a column needs for `text`, in widths of the digit 0 of the standard font: the
// longest line, East Asian wide and full-width characters (Chinese among them) counting two.
int textDisplayWidth(std::string_view text);

}  // namespace ledgerleaf

#pragma once

#include <filesystem>
#include <functional>

#include "platform/spreadsheet.h"

namespace ledgerleaf {

class MemoDatabase;
class Dialogs;
class Clock;
class ProgramExit;
class FontDialog;

// What the desk is given by the start sequence: the memo database (open and current), the
// boxes, the clock, the way to end the program, and the program directory.
struct DeskServices {
    MemoDatabase& db;
    Dialogs& dialogs;
    Clock& clock;
    ProgramExit& exit;
    std::filesystem::path programDir;
    // 1 when the memo database was found encrypted at start.
    int encryptedAtStart = 0;
    // The primary screen's width in pixels; the real screen unless a test sets another.
    std::function<int()> screenWidth;
    // The font dialog; the platform's own unless a test gives another.
    FontDialog* fontDialog = nullptr;
    // Starts the system calculator; the real one unless a test gives another.
    std::function<bool()> startCalculator;
    // The spreadsheet the exports write into; the desktop's .xlsx workbook unless a test gives
    // another.
    SpreadsheetFactory makeSpreadsheet;
};

}  // namespace ledgerleaf

#pragma once

#include <filesystem>
#include <string>

namespace ledgerleaf {

class Clock;
class Dialogs;
class MemoDatabase;
class ProgramExit;
class RecordFacility;

// Everything the start sequence is handed by the program entry (or by a test).
struct AppServices {
    std::filesystem::path programDir;
    Dialogs& dialogs;
    Clock& clock;
    ProgramExit& exit;
    RecordFacility& facility;
    MemoDatabase& db;
    // Name of the single-instance guard: "ledgerleafv3" in the program.
    std::string instanceName = "ledgerleafv3";
};

}  // namespace ledgerleaf

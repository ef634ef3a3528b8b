#pragma once

#include <QCoreApplication>
#include <memory>

#include "platform/program_exit.h"
#include "platform/scripted_clock.h"
#include "platform/scripted_dialogs.h"
#include "store/memo_database.h"
#include "store/record_facility.h"
#include "temp_dir.h"

namespace ledgerleaf::test {

// A program directory of its own with a record facility, the memo database, scripted boxes,
// a clock set to 2011-04-10 09:30 and a recorded program end: everything a window needs,
// without touching anything outside the temporary folder.
struct ProgramFixture {
    TempDir dir;
    RecordFacility facility{dir.path()};
    MemoDatabase db{facility, dir.path()};
    ScriptedDialogs dialogs;
    ScriptedClock clock;
    ScriptedProgramExit exit;

    ProgramFixture() {
        clock.setNow(2011, 4, 10, 9, 30, 0);
        clock.setEventHook([] { QCoreApplication::processEvents(); });
    }

    // Creates the memo database and opens it (current), unprotected.
    void createAndOpen() {
        if (!db.db_create() || !db.db_open())
            throw std::runtime_error("cannot create the test diary");
    }
};

// Lets queued events (the calendar's date-set and day-clicked events) run.
inline void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace ledgerleaf::test

#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

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
    // A cheap key derivation keeps protected diaries quick to open in tests.
    RecordFacility facility{dir.path(), KdfParams{1, 8u << 10}};
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

    // The memo of `day` as a second facility finds it on disk; "<no record>" when there is none.
    std::string memoOnDisk(double day, const std::optional<std::string>& password = {}) const {
        RecordFacility other(dir.path(), KdfParams{1, 8u << 10});
        MemoDatabase otherDb(other, dir.path());
        if (!otherDb.db_open(password))
            return "<cannot open>";
        if (!otherDb.find_day(day))
            return "<no record>";
        return otherDb.read_memo();
    }
    // The number of records a second facility finds on disk; -1 when it cannot open the diary.
    int recordsOnDisk(const std::optional<std::string>& password = {}) const {
        RecordFacility other(dir.path(), KdfParams{1, 8u << 10});
        MemoDatabase otherDb(other, dir.path());
        if (!otherDb.db_open(password))
            return -1;
        return otherDb.record_count();
    }
};

// Lets queued events (the calendar's date-set and day-clicked events) run.
inline void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace ledgerleaf::test

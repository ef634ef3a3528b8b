#pragma once

#include <filesystem>

namespace ledgerleaf {

class Dialogs;
class MemoDatabase;
class ProgramExit;
class RecordFacility;

// The database check at start, with the offer to convert a diary of the previous version:
// `memo.edb` / `memo.edt` in the program directory, a table with the fields 日期 (date-time) and
// 备忘 (memo text) and possibly others, possibly password-protected. On consent every record is
// copied, in order, into a new unprotected memo database (`ledgerleaf.edb` / `ledgerleaf.edt`)
// and the old pair is kept under the names `ledgerleaf.edb.v2.bak` / `ledgerleaf.edt.v2.bak`.
//
// While the conversion runs the new diary is open under the alias "new" (name "ledgerleaf") and
// the old one under the alias "old" (name "memo"). Nothing is ever written into the old pair; it
// is only renamed after a complete copy.
//
// Some outcomes end the program through ProgramExit with exit code 0 (the boxes are shown and
// the databases closed first); the caller checks ProgramExit::ended() afterwards. A wrong or
// cancelled password of a protected old diary, a copy that could not be written and a new diary
// that could not be created all delete the half-made new pair before the end, so the old diary
// is offered again at the next start. An old table that lacks 日期 or 备忘 makes the facility
// throw FatalError ("指定字段不存在"); the half-made new pair is deleted and the error goes on
// to the top level.
class V2Upgrade {
  public:
    V2Upgrade(RecordFacility& facility, MemoDatabase& db, Dialogs& dialogs, ProgramExit& exit,
              std::filesystem::path programDir);

    // True when the start may go on to open the memo database: `ledgerleaf.edb` exists, or the
    // user accepted the conversion of `memo.edb` and it ran (check ProgramExit::ended(): it may
    // have ended the program). False when there is no memo database and nothing was converted.
    bool check_or_upgrade_database();

    // Creates the memo database, copies the old diary into it and renames the old pair. When
    // the old diary is unprotected but cannot be opened, the new empty diary stays open under
    // "new" and current, the old pair stays as it is, and the start goes on.
    void upgrade_v2_database();

  private:
    // Copies every record of "memo" into "ledgerleaf"; false when the new diary could not be
    // made current, extended or written.
    bool copy_records();
    // Closes every database and deletes the new pair, leaving the program directory as it was
    // before the conversion began.
    void abandon_new_database();
    std::filesystem::path file(const char* name) const;

    RecordFacility& facility_;
    MemoDatabase& db_;
    Dialogs& dialogs_;
    ProgramExit& exit_;
    std::filesystem::path programDir_;
};

}  // namespace ledgerleaf

#include "store/sqlite_connection.h"

#include <sqlite3.h>

#include "core/utf8_path.h"
#include "store/sqlite_statement.h"

namespace ledgerleaf {

SqliteConnection::~SqliteConnection() {
    close();
}

bool SqliteConnection::open(const std::filesystem::path& file, Mode mode) {
    close();
    int flags = SQLITE_OPEN_EXRESCODE | SQLITE_OPEN_NOMUTEX;
    flags |= mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (mode == Mode::Create)
        flags |= SQLITE_OPEN_CREATE;
    const std::string name = utf8FromPath(file);
    const int rc = sqlite3_open_v2(name.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        lastCode_ = rc;
        lastError_ = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        return false;
    }
    // Guard the schema against being edited through ordinary statements, check cell sizes
    // while reading (catches damaged pages early), never run code from the schema.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    exec("PRAGMA cell_size_check=ON");
    return true;
}

void SqliteConnection::close() {
    if (!db_)
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void SqliteConnection::noteFailure() {
    lastCode_ = db_ ? sqlite3_extended_errcode(db_) : SQLITE_MISUSE;
    lastError_ = db_ ? sqlite3_errmsg(db_) : "no connection";
}

bool SqliteConnection::exec(const std::string& sql) {
    if (!db_)
        return false;
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        lastCode_ = sqlite3_extended_errcode(db_);
        lastError_ = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool SqliteConnection::attach(const std::filesystem::path& file, const std::string& schema) {
    SqliteStatement st(*this, "ATTACH DATABASE ?1 AS " + schema);
    st.bindText(1, utf8FromPath(file));
    return st.run();
}

bool SqliteConnection::commit() {
    if (exec("COMMIT"))
        return true;
    const int code = lastCode_;
    const std::string error = lastError_;
    rollback();
    lastCode_ = code;
    lastError_ = error;
    return false;
}

void SqliteConnection::rollback() {
    if (db_ && !sqlite3_get_autocommit(db_))
        exec("ROLLBACK");
}

bool SqliteConnection::inTransaction() const {
    return db_ && !sqlite3_get_autocommit(db_);
}

bool SqliteConnection::applyDurablePragmas(const std::string& schema) {
    return exec("PRAGMA " + schema + ".journal_mode=DELETE") &&
           exec("PRAGMA " + schema + ".synchronous=FULL") &&
           exec("PRAGMA " + schema + ".secure_delete=ON");
}

}  // namespace ledgerleaf

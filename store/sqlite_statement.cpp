#include "store/sqlite_statement.h"

#include <sqlite3.h>

#include "store/sqlite_connection.h"

namespace ledgerleaf {

SqliteStatement::SqliteStatement(SqliteConnection& connection, const std::string& sql)
    : connection_(connection) {
    if (!connection.handle() ||
        sqlite3_prepare_v2(connection.handle(), sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
        connection_.noteFailure();
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        failed_ = true;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

void SqliteStatement::bindInt(int index, std::int64_t value) {
    if (stmt_)
        sqlite3_bind_int64(stmt_, index, value);
}

void SqliteStatement::bindDouble(int index, double value) {
    if (stmt_)
        sqlite3_bind_double(stmt_, index, value);
}

void SqliteStatement::bindText(int index, std::string_view value) {
    if (stmt_)
        sqlite3_bind_text64(stmt_, index, value.data(), value.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
}

void SqliteStatement::bindBlob(int index, const std::uint8_t* data, std::size_t size) {
    if (!stmt_)
        return;
    // A zero-length blob is still a blob, never NULL.
    static const std::uint8_t nothing = 0;
    sqlite3_bind_blob64(stmt_, index, size ? data : &nothing, size, SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index) {
    if (stmt_)
        sqlite3_bind_null(stmt_, index);
}

bool SqliteStatement::step() {
    if (!stmt_)
        return false;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        failed_ = true;
        connection_.noteFailure();
    }
    return false;
}

bool SqliteStatement::run() {
    if (!stmt_)
        return false;
    while (step()) {
    }
    return !failed_;
}

void SqliteStatement::reset() {
    if (!stmt_)
        return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    failed_ = false;
}

int SqliteStatement::columnType(int column) const {
    return sqlite3_column_type(stmt_, column);
}

std::int64_t SqliteStatement::columnInt(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

double SqliteStatement::columnDouble(int column) const {
    return sqlite3_column_double(stmt_, column);
}

std::string SqliteStatement::columnText(int column) const {
    return std::string(columnTextView(column));
}

Bytes SqliteStatement::columnBlob(int column) const {
    const auto view = columnBlobView(column);
    return Bytes(view.begin(), view.end());
}

std::string_view SqliteStatement::columnTextView(int column) const {
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string_view(reinterpret_cast<const char*>(text), std::size_t(size))
                : std::string_view();
}

std::span<const std::uint8_t> SqliteStatement::columnBlobView(int column) const {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return data ? std::span<const std::uint8_t>(data, std::size_t(size))
                : std::span<const std::uint8_t>();
}

}  // namespace ledgerleaf

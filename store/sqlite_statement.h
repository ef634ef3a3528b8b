#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/field_value.h"

struct sqlite3_stmt;

namespace ledgerleaf {

class SqliteConnection;

// One prepared statement. A statement that fails to prepare reports failure from step() and
// run(); the connection's lastError() says why.
class SqliteStatement {
  public:
    SqliteStatement(SqliteConnection& connection, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool prepared() const { return stmt_ != nullptr; }

    void bindInt(int index, std::int64_t value);
    void bindDouble(int index, double value);
    void bindText(int index, std::string_view value);
    void bindBlob(int index, const std::uint8_t* data, std::size_t size);
    void bindBlob(int index, const Bytes& value) { bindBlob(index, value.data(), value.size()); }
    void bindNull(int index);

    // Steps once: true with a row available; false at the end or on failure (see failed()).
    bool step();
    // Steps to completion; false on failure.
    bool run();
    void reset();
    bool failed() const { return failed_; }

    // Column access for the current row. SQLite's storage class of the value: one of
    // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL.
    int columnType(int column) const;
    std::int64_t columnInt(int column) const;
    double columnDouble(int column) const;
    std::string columnText(int column) const;
    Bytes columnBlob(int column) const;
    // The same without copying; valid until the next step, reset or column access of another
    // kind on this column.
    std::string_view columnTextView(int column) const;
    std::span<const std::uint8_t> columnBlobView(int column) const;

  private:
    SqliteConnection& connection_;
    sqlite3_stmt* stmt_ = nullptr;
    bool failed_ = false;
};

}  // namespace ledgerleaf

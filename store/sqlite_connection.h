#pragma once

#include <filesystem>
#include <string>

struct sqlite3;

namespace ledgerleaf {

// One SQLite connection, closed when the object goes away. Failures come back as false with
// the engine's message in lastError(); nothing here throws.
class SqliteConnection {
  public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    enum class Mode {
        ReadWrite,  // an existing file; never creates one
        Create,     // made when it is missing
        ReadOnly,
    };
    bool open(const std::filesystem::path& file, Mode mode);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Runs one or more statements without results.
    bool exec(const std::string& sql);
    // Attaches another file under `schema` (with the open mode of this connection).
    bool attach(const std::filesystem::path& file, const std::string& schema);

    // Transactions. begin() is deferred, so a change that touches only one file commits that
    // file alone.
    bool begin() { return exec("BEGIN"); }
    bool commit();
    void rollback();
    bool inTransaction() const;

    // Sets rollback journal, full sync and secure delete on `schema`.
    bool applyDurablePragmas(const std::string& schema);

    sqlite3* handle() const { return db_; }
    const std::string& lastError() const { return lastError_; }
    // The extended result code of the last failure.
    int lastCode() const { return lastCode_; }
    void noteFailure();

  private:
    sqlite3* db_ = nullptr;
    std::string lastError_;
    int lastCode_ = 0;
};

}  // namespace ledgerleaf

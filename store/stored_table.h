#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/cipher_key.h"
#include "store/field_descriptor.h"
#include "store/kdf_params.h"
#include "store/sqlite_connection.h"
#include "store/store_result.h"
#include "store/table_format.h"

namespace ledgerleaf {

// The fatal text for a stored value that cannot be read back (I/O failure).
inline constexpr const char* kReadFailedText = "读取数据库失败";

// One open table pair. It keeps every date-time and text value and the fingerprint (and so the
// emptiness) of every memo and byte-set value in memory; memo and byte-set bytes are read from
// the companion file only when asked for.
//
// Every change is one transaction that is on disk when the call returns; a change that fails
// leaves both the files and the memory as they were. Record numbers are 1-based.
class StoredTable {
  public:
    // Opens an existing pair without creating, repairing or overwriting anything. Fails (with a
    // text from open_error) for a missing file or companion, a file of another kind or a newer
    // format, a damaged file, a missing or wrong password, and a password for an unprotected
    // table.
    static StoreResult open(const std::filesystem::path& tableFile,
                            const std::optional<std::string>& password,
                            std::unique_ptr<StoredTable>& out);

    // Reads the meta table of a pair that is not open, read-only.
    static StoreResult probe(const std::filesystem::path& tableFile, TableMeta& meta);
    // Whether `password` opens a table with this meta (the empty text for an unprotected one).
    static bool passwordFits(const TableMeta& meta, const std::string& password);

    ~StoredTable();

    const std::filesystem::path& path() const { return path_; }
    const std::vector<FieldDescriptor>& fields() const { return fields_; }
    // The 0-based index of a field (name compared with letter case ignored), or -1.
    int fieldIndex(std::string_view name) const;
    int recordCount() const { return count_; }
    bool isProtected() const { return key_ != nullptr; }

    // A date-time or text value, from memory.
    const FieldValue& fixedValue(int number, int field) const;
    // Whether a value is empty, from memory.
    bool isEmpty(int number, int field) const;
    // Any value; memo and byte-set values are read from disk. Throws FatalError when the stored
    // value does not fit the field's type or cannot be read.
    FieldValue read(int number, int field) const;
    // Calls `visit` with the number and value of every record whose value of a text or memo
    // field is not empty, in record order; records left out have the empty text. The values
    // are exactly those read() gives, with the same FatalError for a damaged one. A memo field
    // is read with one statement over the companion's values, a text field from memory. The
    // text seen by `visit` lives until it returns; `visit` must not change the table. A field
    // of another type throws FatalError.
    using TextVisitor = std::function<void(int number, std::string_view text)>;
    void scanText(int field, const TextVisitor& visit) const;

    // Fails for a value of another type than the field's. Writing the stored value again does
    // not touch the disk.
    StoreResult write(int number, int field, const FieldValue& value);
    // Appends a record with one value per field.
    StoreResult append(const std::vector<FieldValue>& values);
    // Deletes every record and shrinks both files.
    StoreResult clear();
    // Re-seals every value under a key from `password` (new salt, `params`); the empty text
    // removes the protection. One transaction, then both files are vacuumed.
    StoreResult setPassword(const std::string& password, const KdfParams& params);
    // Whether `password` is this table's password (the empty text for an unprotected table).
    bool checkPassword(const std::string& password) const;
    // Writes all records, ordered ascending by a date-time or text field (ties in record
    // order), into a new pair at `target` with the same protection.
    StoreResult sortTo(const std::filesystem::path& target, int field) const;

    const std::optional<ProtectionMeta>& protection() const { return protection_; }

  private:
    struct Cell {
        FieldValue value;                   // date-time and text fields
        std::optional<ValueDigest> digest;  // memo and byte-set fields; nothing when empty
    };

    StoredTable() = default;
    StoreResult load(const std::optional<std::string>& password);
    const Cell& cell(int number, int field) const {
        return cells_[static_cast<std::size_t>(number - 1) * fields_.size() + field];
    }
    Cell& cell(int number, int field) {
        return cells_[static_cast<std::size_t>(number - 1) * fields_.size() + field];
    }
    StoreResult failedChange(const std::string& what);
    void removeOrphanSuperJournals() const;
    void vacuum();

    std::filesystem::path path_;
    mutable SqliteConnection db_;
    std::vector<FieldDescriptor> fields_;
    std::vector<Cell> cells_;
    int count_ = 0;
    std::unique_ptr<CipherKey> key_;
    std::optional<ProtectionMeta> protection_;

    // For each companion field, the value last read or written, so that the editor writing
    // back the memo and the picture it was shown (on every keystroke) is recognised by a
    // compare instead of a fingerprint.
    struct RecentValue {
        int number = 0;
        Bytes plain;
    };
    mutable std::vector<RecentValue> recent_;
    void remember(int number, int field, const FieldValue& value) const;
    // The remembered value of `field` when it is that of record `number`, else nothing.
    const RecentValue* recentFor(int number, int field) const;
    void forgetRecent() const { recent_.clear(); }
};

}  // namespace ledgerleaf

#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/field_descriptor.h"
#include "store/field_value.h"
#include "store/kdf_params.h"
#include "store/store_result.h"

namespace ledgerleaf {

class StoredTable;

// The record-database facility: typed tables in file pairs (NAME.edb with the field list and
// the date-time and text values, NAME.edt with the memo and byte-set values, both SQLite),
// opened under aliases, one current table with a record cursor per open table, password
// protection (Argon2id + XChaCha20-Poly1305), sorting into a new pair and clearing.
//
// One object owns every open table. File names are UTF-8; a name without extension gets ".edb"
// and a relative name is taken in the program directory given here. An open table is
// addressed by its alias (when it has one), its name (the file name without folder and
// extension) and its full path, letter case ignored.
//
// Failures the caller decides about come back as a StoreResult (or false). Faults that end the
// program throw FatalError: reading, writing, finding or moving the cursor with no current
// table ("没有当前数据库"), naming a field the table does not have ("指定字段不存在"), and a
// stored value that does not fit its field's type or cannot be read ("数据类型不匹配").
// Every successful write, add, clear and password change is on disk when the call returns.
class RecordFacility {
  public:
    // `newProtection` is the Argon2id cost for passwords set from now on; tables opened later
    // use the cost stored with them.
    explicit RecordFacility(std::filesystem::path programDir,
                            KdfParams newProtection = KdfParams::standard());
    ~RecordFacility();
    RecordFacility(const RecordFacility&) = delete;
    RecordFacility& operator=(const RecordFacility&) = delete;

    const std::filesystem::path& programDir() const { return programDir_; }
    const KdfParams& newProtectionParams() const { return newProtection_; }
    // The full path a file name stands for: ".edb" added when there is no extension, a
    // relative name taken in the program directory.
    std::filesystem::path resolve(const std::string& fileName) const;

    // Creates an empty, unprotected table with exactly these fields, replacing a pair of that
    // name; does not open it. Fails when that table is open or the fields are unusable.
    StoreResult create(const std::string& fileName, const std::vector<FieldDescriptor>& fields);
    // Opens a table and makes it current. Fails without touching the files when the table is
    // already open (under any name), the file or its companion is missing, is not a table of
    // this program or of a newer format, is damaged, when the password is missing or wrong for
    // a protected table, or when a non-empty password is given for an unprotected one.
    StoreResult open(const std::string& fileName,
                     const std::optional<std::string>& alias = std::nullopt,
                     const std::optional<std::string>& password = std::nullopt);
    // For an open table: whether it is protected. Otherwise whether the file is; a missing or
    // unreadable file counts as not protected.
    bool is_encrypted(const std::string& name) const;
    // Tests a password against an open table or a closed file without closing or changing
    // anything; the empty text fits an unprotected table.
    StoreResult check_password(const std::string& name, const std::string& password) const;
    // Makes an open table current; false (current unchanged) when no open table has this name.
    bool set_current(const std::string& aliasOrName);
    bool has_current() const { return current_ != nullptr; }
    // Closes the current table; afterwards there is no current table.
    void close();
    // Closes the named table; false when no open table has this name.
    bool close(const std::string& aliasOrName);
    void close_all();
    bool is_open(const std::string& aliasOrName) const;

    // The cursor of the current table. It stands on a record (1..count) or after the end
    // (count + 1); on an empty table it stands at 1, outside the records.
    int record_count();
    void go_first();
    void skip();             // stops after the end
    void go_to(int number);  // clamped into 1..count
    int record_number();
    bool at_end();

    // Appends a record (all values empty, or one value per field in field order) and leaves the
    // cursor on it. A value of the wrong type, or the wrong number of values, fails the add.
    StoreResult add_blank_record();
    StoreResult add_record(const std::vector<FieldValue>& values);

    // The field of the record under the cursor; the type's empty value when the cursor is
    // outside the records. Memo and byte-set bytes are read from disk.
    FieldValue read(const std::string& field);
    // Whether the field of the record under the cursor is empty, from memory.
    bool is_empty(const std::string& field);
    // Overwrites the field of the record under the cursor. Fails for a value of another type or
    // with the cursor outside the records. Writing the stored value again touches no file.
    StoreResult write(const std::string& field, const FieldValue& value);
    // The same on the record under the cursor of another open table, leaving the current table
    // and every cursor as they are.
    StoreResult write_field_of(const std::string& field, const std::string& aliasOrName,
                               const FieldValue& value);
    // From the record under the cursor forward, stops on the first record for which
    // `condition` holds (it is called with the cursor on the candidate) and returns true; with
    // no match the cursor goes back where it stood.
    bool find(const std::function<bool()>& condition);

    // Deletes all records of the current table and shrinks both files; the cursor goes to 1.
    StoreResult clear();
    // Writes all records of the current table, ordered ascending by a date-time or text
    // field, into a new pair (replaced when it exists; it must not be open), protected by the
    // same password. The current table stays open and current.
    StoreResult sort_to_file(const std::string& newFileName, const std::string& field);
    // Re-seals the whole current table under the password; the empty text removes the
    // protection. Both files are vacuumed afterwards.
    StoreResult set_password(const std::string& password);

    // Fast access for scans over the current table, from memory; they do not move the cursor.
    // field_index throws FatalError for an unknown field.
    int field_index(const std::string& field);
    FieldType field_type(int index);
    // The value of a date-time or text field of record `number` (1..count).
    const FieldValue& fixed_value_at(int number, int index);
    bool empty_at(int number, int index);
    // Every non-empty value of a text or memo field, in record order: `visit` gets the record
    // number and the value read() would give there (records left out hold the empty text).
    // Memo values are read from disk in one pass, not record by record; damaged values throw
    // the same FatalError as read(), and a field of another type throws "数据类型不匹配". The
    // text lives until `visit` returns; `visit` must not change the table.
    void scan_text(const std::string& field,
                   const std::function<void(int number, std::string_view text)>& visit);

  private:
    struct OpenTable;
    OpenTable& current();
    OpenTable* findOpen(const std::string& aliasOrName) const;
    int requireField(OpenTable& table, const std::string& field);

    std::filesystem::path programDir_;
    KdfParams newProtection_;
    std::vector<std::unique_ptr<OpenTable>> open_;
    OpenTable* current_ = nullptr;
};

}  // namespace ledgerleaf

#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/field_value.h"

namespace ledgerleaf {

class RecordFacility;

// Field names of a memo record, in their stored order.
inline constexpr const char* kFieldDate = "日期";
inline constexpr const char* kFieldMemo = "备忘";
inline constexpr const char* kFieldPicture = "图片";
inline constexpr const char* kFieldExtension = "扩展名";

inline constexpr const char* kMemoDatabaseName = "ledgerleaf";

// What the month list and the search need to know of a record without reading memo or picture
// bytes from disk.
struct RecordSummary {
    int number = 0;            // 1-based record number
    double date = 0;           // stored 日期
    bool memoEmpty = true;     // 备忘 is the empty text
    bool pictureEmpty = true;  // 图片 has no bytes
    // A valid record is one whose memo text or picture is not empty.
    bool valid() const { return !memoEmpty || !pictureEmpty; }
};

// The diary's one table, `ledgerleaf.edb` / `ledgerleaf.edt` in the program directory, used
// through the record-database facility. All operations act on the facility's current database
// and its record cursor.
//
// Failures that the caller decides about come back as false. Faults that end the program
// (no current database, a missing field, a stored value of the wrong type) throw FatalError.
class MemoDatabase {
  public:
    MemoDatabase(RecordFacility& facility, std::filesystem::path programDir);

    // Whether ledgerleaf.edb exists in the program directory.
    bool db_exists() const;
    // Creates an empty ledgerleaf.edb/.edt with the four fields; does not open it.
    bool db_create();
    // Opens "ledgerleaf" (with the password when one is given) and makes it current.
    bool db_open(const std::optional<std::string>& password = std::nullopt);

    // Puts the cursor on the first record whose 日期, clamped, equals the date part of `day`,
    // clamped; false (cursor back where it stood) when there is none.
    bool find_day(double day);

    // The field of the record under the cursor, its type checked against the schema.
    FieldValue read_field(const std::string& field);
    double read_date();
    std::string read_memo();
    Bytes read_picture();
    std::string read_extension();
    bool picture_empty();  // judged from memory, without reading the bytes

    bool write_field(const std::string& field, const FieldValue& value);

    // Appends a record (date part of `day`, memo, picture, extension or empty) and leaves the
    // cursor on it.
    bool add_day(double day, const std::string& memo, const Bytes& picture,
                 const std::string& extension = std::string());

    // Visits every record in record-number order; the cursor stands on the visited record.
    void for_each_record(const std::function<void()>& visit);
    // The same walk from memory only: no memo or picture bytes are read.
    void for_each_summary(const std::function<void(const RecordSummary&)>& visit);
    // Every record with a non-empty memo, in record order, with its summary and memo text; the
    // memos are read in one pass and the cursor does not move. The text lives until `visit`
    // returns. Damaged memos throw FatalError as read_memo() does.
    void for_each_memo(
        const std::function<void(const RecordSummary&, std::string_view memo)>& visit);

    int record_number();
    void go_to_record(int number);
    int record_count();
    bool clear_all();
    void close_all();

    RecordFacility& facility() { return facility_; }
    const std::filesystem::path& programDir() const { return programDir_; }

  private:
    RecordFacility& facility_;
    std::filesystem::path programDir_;
};

}  // namespace ledgerleaf

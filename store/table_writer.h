#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "store/field_descriptor.h"
#include "store/sqlite_connection.h"
#include "store/store_result.h"
#include "store/table_format.h"
#include "store/value_codec.h"

namespace ledgerleaf {

// Writes a new table pair: first under temporary names beside the target ("NAME.edb.part",
// "NAME.edt.part") in one transaction, then renamed over the target pair, so a half-written
// pair never carries the target's name. The companion is renamed first; a crash between the two
// renames leaves a pair whose ids differ, which then fails to open instead of mixing tables.
// A writer that is not finished removes its temporary files.
class TableWriter {
  public:
    TableWriter(std::filesystem::path tableFile, std::vector<FieldDescriptor> fields);
    ~TableWriter();
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    // Starts the new pair; with protection, `key` must be the key the meta describes.
    StoreResult begin(const std::optional<ProtectionMeta>& protection, const CipherKey* key);
    // Adds record `number` (1, 2, ... in order) with one value per field, types already checked.
    bool append(std::int64_t number, const std::vector<FieldValue>& values);
    // Commits and moves the pair into place.
    StoreResult finish();

    // Checks a field list for a new table: at least one field, known types, distinct non-empty
    // names (letter case ignored).
    static StoreResult checkFields(const std::vector<FieldDescriptor>& fields);

  private:
    void abandon();

    std::filesystem::path tableFile_;
    std::filesystem::path tempTable_;
    std::filesystem::path tempCompanion_;
    std::vector<FieldDescriptor> fields_;
    SqliteConnection db_;
    std::optional<ValueCodec> codec_;
    bool finished_ = false;
};

}  // namespace ledgerleaf

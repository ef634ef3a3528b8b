#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "store/field_descriptor.h"
#include "store/value_codec.h"

namespace ledgerleaf {

class SqliteConnection;

// Row-level writes shared by the open table and the table writer. Each runs inside the
// caller's transaction. Positions are 1-based field positions.

// The SELECT/INSERT column of a date-time or text field in main.records.
std::string recordColumn(int position);

// Overwrites a date-time or text value of record `number`.
bool storeFixedValue(SqliteConnection& db, const ValueCodec& codec, std::int64_t number,
                     int position, FieldType type, const FieldValue& value);

// Stores a memo or byte-set value of record `number`, or removes it when it is empty. On
// success `digest` holds the new fingerprint (nothing for an empty value).
bool storeCompanionValue(SqliteConnection& db, const ValueCodec& codec, std::int64_t number,
                         int position, FieldType type, const FieldValue& value,
                         std::optional<ValueDigest>& digest);

// Appends record `number` with one value per field. `digests` gets one entry per field.
bool insertRecord(SqliteConnection& db, const std::vector<FieldDescriptor>& fields,
                  const ValueCodec& codec, std::int64_t number,
                  const std::vector<FieldValue>& values,
                  std::vector<std::optional<ValueDigest>>& digests);

}  // namespace ledgerleaf

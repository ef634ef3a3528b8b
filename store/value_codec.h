#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "store/cipher_key.h"
#include "store/field_value.h"

namespace ledgerleaf {

class SqliteStatement;

// How values are laid down in the table files. Unprotected, a date-time is a REAL, a text or
// memo a TEXT and a byte set a BLOB, so the pair stays readable with the sqlite3 shell. With a
// key every value (dates too) is a sealed BLOB bound to its record number and field position.
class ValueCodec {
  public:
    explicit ValueCodec(const CipherKey* key) : key_(key) {}

    // The plain bytes of a value: a date-time as its 8 IEEE bytes (little-endian), a text as
    // its UTF-8 bytes, a byte set as it is.
    static Bytes plainBytes(const FieldValue& value);
    // The value back from plain bytes; nothing when they cannot hold the type.
    static std::optional<FieldValue> fromPlainBytes(FieldType type, Bytes bytes);

    // Binds the stored form of `value` to parameter `index`.
    void bind(SqliteStatement& st, int index, const FieldValue& value, FieldType type,
              std::int64_t number, int field) const;
    // Reads the stored form at `column`; nothing when it does not fit the type or does not
    // open with the key.
    std::optional<FieldValue> read(const SqliteStatement& st, int column, FieldType type,
                                   std::int64_t number, int field) const;
    // The stored text or memo value at `column`, as read() takes it, without copying: a plain
    // value is seen in the statement's row (valid until its next step), a sealed one is opened
    // into `buffer`, whose memory is reused. Nothing when read() gives nothing.
    std::optional<std::string_view> readText(const SqliteStatement& st, int column,
                                             std::int64_t number, int field, Bytes& buffer) const;

    // The in-memory fingerprint of a non-empty companion value.
    ValueDigest digest(const Bytes& plain, std::int64_t number, int field) const;
    // The same for a text or byte-set value, without copying it.
    ValueDigest digest(const FieldValue& value, std::int64_t number, int field) const;

    const CipherKey* key() const { return key_; }

  private:
    const CipherKey* key_;
};

// Whether a value is the empty value of its kind (empty text, no bytes). Dates are never empty.
bool isEmptyValue(const FieldValue& value);
// Whether a text or byte-set value consists of exactly these bytes.
bool hasBytes(const FieldValue& value, const Bytes& bytes);

}  // namespace ledgerleaf

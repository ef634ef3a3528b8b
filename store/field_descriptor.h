#pragma once

#include <string>

#include "store/field_value.h"

namespace ledgerleaf {

// One field of a table: its name, its type code and its maximum text length.
struct FieldDescriptor {
    std::string name;
    FieldType type = FieldType::Text;
    int maxLength = 20;
};

// Memo and byte-set values live in the companion file; the other types are kept with the record.
inline bool storedInCompanion(FieldType type) {
    return type == FieldType::Memo || type == FieldType::ByteSet;
}

// Whether a value has the shape of the field type: a double for a date-time, a text for text
// and memo fields, bytes for a byte set.
inline bool valueFits(FieldType type, const FieldValue& value) {
    switch (type) {
        case FieldType::DateTime:
            return std::holds_alternative<double>(value);
        case FieldType::Text:
        case FieldType::Memo:
            return std::holds_alternative<std::string>(value);
        case FieldType::ByteSet:
            return std::holds_alternative<Bytes>(value);
    }
    return false;
}

// The empty value of a type: date-time 0, the empty text, no bytes.
inline FieldValue emptyValueOf(FieldType type) {
    switch (type) {
        case FieldType::DateTime:
            return 0.0;
        case FieldType::ByteSet:
            return Bytes{};
        default:
            return std::string();
    }
}

inline bool knownFieldType(int code) {
    return code == static_cast<int>(FieldType::DateTime) ||
           code == static_cast<int>(FieldType::Text) ||
           code == static_cast<int>(FieldType::ByteSet) ||
           code == static_cast<int>(FieldType::Memo);
}

}  // namespace ledgerleaf

#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ledgerleaf {

using Bytes = std::vector<std::uint8_t>;

// Type codes of field descriptors (the facility's own numbering).
enum class FieldType : int { DateTime = 8, Text = 10, ByteSet = 11, Memo = 12 };

// A stored value with its type: a date-time (days since 1899-12-30), a text (text and memo
// fields, UTF-8) or a byte set.
using FieldValue = std::variant<double, std::string, Bytes>;

}  // namespace ledgerleaf

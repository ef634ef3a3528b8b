#pragma once

#include <QByteArray>

#include "store/field_value.h"

namespace ledgerleaf {

// A picture's bytes as the store holds them and as the picture box holds them.
inline Bytes toBytes(const QByteArray& bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

inline QByteArray toQByteArray(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace ledgerleaf

#include "store/value_codec.h"

#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "store/sqlite_statement.h"

namespace ledgerleaf {

bool isEmptyValue(const FieldValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return text->empty();
    if (const auto* bytes = std::get_if<Bytes>(&value))
        return bytes->empty();
    return false;
}

bool hasBytes(const FieldValue& value, const Bytes& bytes) {
    if (const auto* text = std::get_if<std::string>(&value))
        return text->size() == bytes.size() &&
               std::equal(text->begin(), text->end(), bytes.begin(),
                          [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
    if (const auto* data = std::get_if<Bytes>(&value))
        return *data == bytes;
    return false;
}

Bytes ValueCodec::plainBytes(const FieldValue& value) {
    if (const auto* day = std::get_if<double>(&value)) {
        const auto bits = std::bit_cast<std::uint64_t>(*day);
        Bytes out(8);
        for (int i = 0; i < 8; ++i)
            out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        return out;
    }
    if (const auto* text = std::get_if<std::string>(&value))
        return Bytes(text->begin(), text->end());
    return std::get<Bytes>(value);
}

std::optional<FieldValue> ValueCodec::fromPlainBytes(FieldType type, Bytes bytes) {
    switch (type) {
        case FieldType::DateTime: {
            if (bytes.size() != 8)
                return std::nullopt;
            std::uint64_t bits = 0;
            for (int i = 0; i < 8; ++i)
                bits |= std::uint64_t{bytes[i]} << (8 * i);
            return std::bit_cast<double>(bits);
        }
        case FieldType::Text:
        case FieldType::Memo:
            return std::string(bytes.begin(), bytes.end());
        case FieldType::ByteSet:
            return FieldValue(std::move(bytes));
    }
    return std::nullopt;
}

void ValueCodec::bind(SqliteStatement& st, int index, const FieldValue& value, FieldType type,
                      std::int64_t number, int field) const {
    if (key_) {
        st.bindBlob(index, key_->seal(plainBytes(value), number, field));
        return;
    }
    switch (type) {
        case FieldType::DateTime:
            st.bindDouble(index, std::get<double>(value));
            break;
        case FieldType::Text:
        case FieldType::Memo:
            st.bindText(index, std::get<std::string>(value));
            break;
        case FieldType::ByteSet:
            st.bindBlob(index, std::get<Bytes>(value));
            break;
    }
}

std::optional<FieldValue> ValueCodec::read(const SqliteStatement& st, int column, FieldType type,
                                           std::int64_t number, int field) const {
    if (type == FieldType::Text || type == FieldType::Memo) {
        Bytes buffer;
        const auto text = readText(st, column, number, field, buffer);
        if (!text)
            return std::nullopt;
        return std::string(*text);
    }
    const int storage = st.columnType(column);
    if (key_) {
        if (storage != SQLITE_BLOB)
            return std::nullopt;
        auto plain = key_->open(st.columnBlob(column), number, field);
        if (!plain)
            return std::nullopt;
        return fromPlainBytes(type, std::move(*plain));
    }
    switch (type) {
        case FieldType::DateTime:
            if (storage != SQLITE_FLOAT && storage != SQLITE_INTEGER)
                return std::nullopt;
            return st.columnDouble(column);
        case FieldType::Text:
        case FieldType::Memo:
            return std::nullopt;  // taken above
        case FieldType::ByteSet:
            if (storage != SQLITE_BLOB)
                return std::nullopt;
            return FieldValue(st.columnBlob(column));
    }
    return std::nullopt;
}

std::optional<std::string_view> ValueCodec::readText(const SqliteStatement& st, int column,
                                                     std::int64_t number, int field,
                                                     Bytes& buffer) const {
    const int storage = st.columnType(column);
    if (key_) {
        if (storage != SQLITE_BLOB)
            return std::nullopt;
        const auto sealed = st.columnBlobView(column);
        if (!key_->open(sealed.data(), sealed.size(), number, field, buffer))
            return std::nullopt;
        return std::string_view(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    }
    if (storage != SQLITE_TEXT)
        return std::nullopt;
    return st.columnTextView(column);
}

ValueDigest ValueCodec::digest(const Bytes& plain, std::int64_t number, int field) const {
    if (key_)
        return key_->digest(plain.data(), plain.size(), number, field);
    return plainDigest(plain.data(), plain.size());
}

}  // namespace ledgerleaf

namespace ledgerleaf {

ValueDigest ValueCodec::digest(const FieldValue& value, std::int64_t number, int field) const {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    if (const auto* text = std::get_if<std::string>(&value)) {
        data = reinterpret_cast<const std::uint8_t*>(text->data());
        size = text->size();
    } else if (const auto* bytes = std::get_if<Bytes>(&value)) {
        data = bytes->data();
        size = bytes->size();
    } else {
        return digest(plainBytes(value), number, field);
    }
    if (key_)
        return key_->digest(data, size, number, field);
    return plainDigest(data, size);
}

}  // namespace ledgerleaf

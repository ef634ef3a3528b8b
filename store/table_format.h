#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "store/field_value.h"
#include "store/kdf_params.h"
#include "store/store_result.h"

namespace ledgerleaf {

class SqliteConnection;
class CipherKey;

// The layout of a table pair.
//
// NAME.edb (schema "main"):
//   meta(key, value)     format tag, format version, pair id, and for a protected table the
//                        Argon2id salt and parameters and a sealed key check
//   fields(position, name, type, max_length)
//   records(number, f<position>...)   one column per date-time or text field
// NAME.edt (attached as schema "edt"):
//   meta(key, value)     format tag, format version, pair id (equal to the .edb's)
//   vals(number, field, data)         memo and byte-set values; no row for an empty value
//   digests(number, field, digest)    the fingerprint of every stored value (small, read at open)
namespace table_format {
inline constexpr const char* kTableTag = "ledgerleaf-table";
inline constexpr const char* kCompanionTag = "ledgerleaf-companion";
inline constexpr int kVersion = 1;
inline constexpr const char* kCompanion = "edt";
inline constexpr const char* kKeyCheckText = "ledgerleaf key check";
}  // namespace table_format

struct ProtectionMeta {
    Bytes salt;
    KdfParams params;
    Bytes keyCheck;  // kKeyCheckText sealed as record 0, field 0
};

struct TableMeta {
    int version = 0;
    Bytes pairId;
    std::optional<ProtectionMeta> protection;
};

// The companion file of a table file: the same path with the extension ".edt".
std::filesystem::path companionPath(const std::filesystem::path& tableFile);
// SQLite's rollback journal of a file.
std::filesystem::path journalPath(const std::filesystem::path& file);

// Reads and checks the meta table of the table file (schema "main"): it must carry this
// format's tag and a version this program knows. Reads only.
StoreResult readTableMeta(SqliteConnection& db, TableMeta& out);
// Reads and checks the companion's meta table; its pair id must equal `pairId`.
StoreResult checkCompanionMeta(SqliteConnection& db, const Bytes& pairId);

// Protection for a new key: a fresh salt is expected in `salt`; the key check is made here.
ProtectionMeta makeProtectionMeta(const CipherKey& key, Bytes salt, const KdfParams& params);
// Whether `key` opens the key check.
bool keyMatches(const CipherKey& key, const ProtectionMeta& meta);
// Writes the protection rows of the meta table (removing them when `meta` is empty).
bool writeProtectionMeta(SqliteConnection& db, const std::optional<ProtectionMeta>& meta);

// Texts of the open failures.
namespace open_error {
inline constexpr const char* kMissingFile = "数据库文件不存在";
inline constexpr const char* kMissingCompanion = "数据库的配套文件(.edt)不存在";
inline constexpr const char* kNotADatabase = "不是本程序的数据库文件";
inline constexpr const char* kTooNew = "数据库文件的格式版本比本程序新，无法打开";
inline constexpr const char* kDamaged = "数据库文件已损坏";
inline constexpr const char* kPairMismatch = "数据库文件与配套文件(.edt)不匹配";
inline constexpr const char* kWrongPassword = "密码错误";
inline constexpr const char* kNotProtected = "数据库未加密，不能使用密码打开";
inline constexpr const char* kAlreadyOpen = "该数据库已经打开";
inline constexpr const char* kCannotOpen = "无法打开数据库文件";
}  // namespace open_error

}  // namespace ledgerleaf

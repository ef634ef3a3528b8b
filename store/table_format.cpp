#include "store/table_format.h"

#include <sqlite3.h>

#include "store/cipher_key.h"
#include "store/sqlite_connection.h"
#include "store/sqlite_statement.h"

namespace ledgerleaf {

namespace {

// A failure to read a file SQLite does not recognise, or whose pages are damaged.
StoreResult readFailure(const SqliteConnection& db) {
    const int primary = db.lastCode() & 0xff;
    if (primary == SQLITE_NOTADB)
        return StoreResult::failure(open_error::kNotADatabase);
    if (primary == SQLITE_CORRUPT)
        return StoreResult::failure(open_error::kDamaged);
    if (primary == SQLITE_ERROR)  // no such table: a SQLite file of some other program
        return StoreResult::failure(open_error::kNotADatabase);
    return StoreResult::failure(std::string(open_error::kCannotOpen) + ": " + db.lastError());
}

bool fitsInt(const SqliteStatement& st, int column) {
    return st.columnType(column) == SQLITE_INTEGER;
}

}  // namespace

std::filesystem::path companionPath(const std::filesystem::path& tableFile) {
    std::filesystem::path out = tableFile;
    out.replace_extension(".edt");
    return out;
}

std::filesystem::path journalPath(const std::filesystem::path& file) {
    std::filesystem::path out = file;
    out += "-journal";
    return out;
}

StoreResult readTableMeta(SqliteConnection& db, TableMeta& out) {
    SqliteStatement st(db, "SELECT key, value FROM main.meta");
    if (!st.prepared())
        return readFailure(db);
    std::string tag;
    bool haveVersion = false;
    ProtectionMeta protection;
    int protectionRows = 0;
    while (st.step()) {
        const std::string key = st.columnText(0);
        if (key == "format") {
            tag = st.columnText(1);
        } else if (key == "version" && fitsInt(st, 1)) {
            out.version = static_cast<int>(st.columnInt(1));
            haveVersion = true;
        } else if (key == "pair") {
            out.pairId = st.columnBlob(1);
        } else if (key == "salt") {
            protection.salt = st.columnBlob(1);
            ++protectionRows;
        } else if (key == "kdf_ops" && fitsInt(st, 1)) {
            protection.params.opsLimit = static_cast<std::uint64_t>(st.columnInt(1));
            ++protectionRows;
        } else if (key == "kdf_mem" && fitsInt(st, 1)) {
            protection.params.memLimit = static_cast<std::size_t>(st.columnInt(1));
            ++protectionRows;
        } else if (key == "key_check") {
            protection.keyCheck = st.columnBlob(1);
            ++protectionRows;
        }
    }
    if (st.failed())
        return readFailure(db);
    if (tag != table_format::kTableTag || !haveVersion || out.version < 1)
        return StoreResult::failure(open_error::kNotADatabase);
    if (out.version > table_format::kVersion)
        return StoreResult::failure(open_error::kTooNew);
    if (protectionRows == 4) {
        if (protection.salt.size() != CipherKey::kSaltSize ||
            !CipherKey::paramsAcceptable(protection.params))
            return StoreResult::failure(open_error::kDamaged);
        out.protection = std::move(protection);
    } else if (protectionRows != 0) {
        return StoreResult::failure(open_error::kDamaged);
    }
    return StoreResult::success();
}

StoreResult checkCompanionMeta(SqliteConnection& db, const Bytes& pairId) {
    SqliteStatement st(db,
                       std::string("SELECT key, value FROM ") + table_format::kCompanion + ".meta");
    if (!st.prepared())
        return readFailure(db);
    std::string tag;
    Bytes pair;
    int version = 0;
    while (st.step()) {
        const std::string key = st.columnText(0);
        if (key == "format")
            tag = st.columnText(1);
        if (key == "pair")
            pair = st.columnBlob(1);
        if (key == "version" && fitsInt(st, 1))
            version = static_cast<int>(st.columnInt(1));
    }
    if (st.failed())
        return readFailure(db);
    if (tag != table_format::kCompanionTag || version < 1)
        return StoreResult::failure(open_error::kNotADatabase);
    if (version > table_format::kVersion)
        return StoreResult::failure(open_error::kTooNew);
    if (pair != pairId)
        return StoreResult::failure(open_error::kPairMismatch);
    return StoreResult::success();
}

ProtectionMeta makeProtectionMeta(const CipherKey& key, Bytes salt, const KdfParams& params) {
    ProtectionMeta meta;
    meta.salt = std::move(salt);
    meta.params = params;
    const std::string check = table_format::kKeyCheckText;
    meta.keyCheck =
        key.seal(reinterpret_cast<const std::uint8_t*>(check.data()), check.size(), 0, 0);
    return meta;
}

bool keyMatches(const CipherKey& key, const ProtectionMeta& meta) {
    const auto plain = key.open(meta.keyCheck, 0, 0);
    const std::string check = table_format::kKeyCheckText;
    return plain && std::string(plain->begin(), plain->end()) == check;
}

bool writeProtectionMeta(SqliteConnection& db, const std::optional<ProtectionMeta>& meta) {
    if (!db.exec("DELETE FROM main.meta WHERE key IN ('salt','kdf_ops','kdf_mem','key_check')"))
        return false;
    if (!meta)
        return true;
    SqliteStatement st(db, "INSERT INTO main.meta(key, value) VALUES (?1, ?2)");
    st.bindText(1, "salt");
    st.bindBlob(2, meta->salt);
    if (!st.run())
        return false;
    st.reset();
    st.bindText(1, "kdf_ops");
    st.bindInt(2, static_cast<std::int64_t>(meta->params.opsLimit));
    if (!st.run())
        return false;
    st.reset();
    st.bindText(1, "kdf_mem");
    st.bindInt(2, static_cast<std::int64_t>(meta->params.memLimit));
    if (!st.run())
        return false;
    st.reset();
    st.bindText(1, "key_check");
    st.bindBlob(2, meta->keyCheck);
    return st.run();
}

}  // namespace ledgerleaf

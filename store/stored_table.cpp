#include "store/stored_table.h"

#include <sqlite3.h>

#include <algorithm>
#include <numeric>
#include <system_error>

#include "core/date_time.h"
#include "core/utf8_path.h"
#include "platform/fatal_error.h"
#include "store/name_match.h"
#include "store/record_rows.h"
#include "store/sqlite_statement.h"
#include "store/table_writer.h"
#include "store/value_codec.h"

namespace ledgerleaf {

namespace fs = std::filesystem;

namespace {

bool isRegularFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

StoreResult damaged() {
    return StoreResult::failure(open_error::kDamaged);
}

// Maps a read failure while loading to an open error.
StoreResult loadFailure(const SqliteConnection& db) {
    const int primary = db.lastCode() & 0xff;
    if (primary == SQLITE_NOTADB)
        return StoreResult::failure(open_error::kNotADatabase);
    if (primary == SQLITE_CORRUPT || primary == SQLITE_ERROR || primary == SQLITE_MISMATCH)
        return damaged();
    return StoreResult::failure(std::string(open_error::kCannotOpen) + "：" + db.lastError());
}

bool quickCheck(SqliteConnection& db, const std::string& pragma) {
    SqliteStatement st(db, pragma);
    bool ok = st.step() && st.columnText(0) == "ok";
    while (st.step())
        ok = false;
    return ok && !st.failed();
}

}  // namespace

StoredTable::~StoredTable() = default;

StoreResult StoredTable::open(const fs::path& tableFile, const std::optional<std::string>& password,
                              std::unique_ptr<StoredTable>& out) {
    out.reset();
    if (!isRegularFile(tableFile))
        return StoreResult::failure(open_error::kMissingFile);
    if (!isRegularFile(companionPath(tableFile)))
        return StoreResult::failure(open_error::kMissingCompanion);
    std::unique_ptr<StoredTable> table(new StoredTable());
    table->path_ = tableFile;
    StoreResult result = table->load(password);
    if (!result)
        return result;
    out = std::move(table);
    return result;
}

StoreResult StoredTable::load(const std::optional<std::string>& password) {
    SqliteConnection& db = db_;
    const std::string edt = table_format::kCompanion;
    // Nothing below writes until the table has been recognised, checked and unlocked.
    if (!db.open(path_, SqliteConnection::Mode::ReadWrite))
        return StoreResult::failure(std::string(open_error::kCannotOpen) + "：" + db.lastError());
    // Attaching reads the schemas of both files, so it is where foreign or damaged files show.
    if (!db.attach(companionPath(path_), edt))
        return loadFailure(db);
    if (!db.exec("PRAGMA main.synchronous=FULL; PRAGMA " + edt +
                 ".synchronous=FULL; PRAGMA secure_delete=ON"))
        return loadFailure(db);

    TableMeta meta;
    if (auto r = readTableMeta(db, meta); !r)
        return r;
    if (auto r = checkCompanionMeta(db, meta.pairId); !r)
        return r;
    if (!quickCheck(db, "PRAGMA main.quick_check") ||
        !quickCheck(db, "PRAGMA " + edt + ".quick_check(digests)"))
        return db.lastCode() && (db.lastCode() & 0xff) != SQLITE_CORRUPT ? loadFailure(db)
                                                                         : damaged();

    // Fields, positions 1..n.
    {
        SqliteStatement st(db,
                           "SELECT position, name, type, max_length FROM main.fields"
                           " ORDER BY position");
        while (st.step()) {
            if (st.columnInt(0) != static_cast<std::int64_t>(fields_.size() + 1) ||
                !knownFieldType(static_cast<int>(st.columnInt(2))))
                return damaged();
            fields_.push_back({st.columnText(1), static_cast<FieldType>(st.columnInt(2)),
                               static_cast<int>(st.columnInt(3))});
        }
        if (st.failed())
            return loadFailure(db);
        if (fields_.empty() || !TableWriter::checkFields(fields_))
            return damaged();
    }

    // Protection.
    const std::string given = password.value_or(std::string());
    if (meta.protection) {
        if (given.empty())
            return StoreResult::failure(open_error::kWrongPassword);
        key_ = CipherKey::derive(given, meta.protection->salt, meta.protection->params);
        if (!key_)
            return StoreResult::failure("无法生成密钥（内存不足？）");
        if (!keyMatches(*key_, *meta.protection)) {
            key_.reset();
            return StoreResult::failure(open_error::kWrongPassword);
        }
        protection_ = meta.protection;
    } else if (!given.empty()) {
        return StoreResult::failure(open_error::kNotProtected);
    }
    const ValueCodec codec(key_.get());

    // Records: numbers 1..n, every fixed value of its field's type.
    {
        std::string columns = "number";
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (!storedInCompanion(fields_[i].type))
                columns += ", " + recordColumn(static_cast<int>(i + 1));
        SqliteStatement st(db, "SELECT " + columns + " FROM main.records ORDER BY number");
        while (st.step()) {
            const std::int64_t number = st.columnInt(0);
            if (number != count_ + 1)
                return damaged();
            ++count_;
            int column = 0;
            for (std::size_t i = 0; i < fields_.size(); ++i) {
                Cell c;
                if (!storedInCompanion(fields_[i].type)) {
                    auto value =
                        codec.read(st, ++column, fields_[i].type, number, static_cast<int>(i + 1));
                    if (!value)
                        return damaged();
                    c.value = std::move(*value);
                }
                cells_.push_back(std::move(c));
            }
        }
        if (st.failed())
            return loadFailure(db);
    }

    // Fingerprints of the companion values; every stored value has exactly one.
    {
        SqliteStatement st(db, "SELECT number, field, digest FROM " + edt + ".digests");
        while (st.step()) {
            const std::int64_t number = st.columnInt(0);
            const std::int64_t position = st.columnInt(1);
            const Bytes digest = st.columnBlob(2);
            if (number < 1 || number > count_ || position < 1 ||
                position > static_cast<std::int64_t>(fields_.size()) ||
                !storedInCompanion(fields_[position - 1].type) ||
                digest.size() != ValueDigest().size())
                return damaged();
            ValueDigest d;
            std::copy(digest.begin(), digest.end(), d.begin());
            cell(static_cast<int>(number), static_cast<int>(position - 1)).digest = d;
        }
        if (st.failed())
            return loadFailure(db);
        SqliteStatement orphans(
            db, "SELECT (SELECT count(*) FROM " + edt + ".vals v WHERE NOT EXISTS (SELECT 1 FROM " +
                    edt + ".digests d WHERE d.number = v.number AND d.field = v.field))," +
                    " (SELECT count(*) FROM " + edt + ".vals), (SELECT count(*) FROM " + edt +
                    ".digests)");
        if (!orphans.step())
            return loadFailure(db);
        if (orphans.columnInt(0) != 0 || orphans.columnInt(1) != orphans.columnInt(2))
            return damaged();
    }

    // Our files are always in rollback-journal mode; this only writes if someone changed it.
    if (!db.exec("PRAGMA main.journal_mode=DELETE; PRAGMA " + edt + ".journal_mode=DELETE"))
        return loadFailure(db);
    return StoreResult::success();
}

StoreResult StoredTable::probe(const fs::path& tableFile, TableMeta& meta) {
    if (!isRegularFile(tableFile))
        return StoreResult::failure(open_error::kMissingFile);
    SqliteConnection db;
    if (!db.open(tableFile, SqliteConnection::Mode::ReadOnly))
        return StoreResult::failure(open_error::kCannotOpen);
    return readTableMeta(db, meta);
}

bool StoredTable::passwordFits(const TableMeta& meta, const std::string& password) {
    if (!meta.protection)
        return password.empty();
    if (password.empty())
        return false;
    const auto key = CipherKey::derive(password, meta.protection->salt, meta.protection->params);
    return key && keyMatches(*key, *meta.protection);
}

int StoredTable::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (sameName(fields_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

const FieldValue& StoredTable::fixedValue(int number, int field) const {
    return cell(number, field).value;
}

bool StoredTable::isEmpty(int number, int field) const {
    if (storedInCompanion(fields_[field].type))
        return !cell(number, field).digest;
    return isEmptyValue(cell(number, field).value);
}

FieldValue StoredTable::read(int number, int field) const {
    const FieldType type = fields_[field].type;
    if (!storedInCompanion(type))
        return cell(number, field).value;
    if (!cell(number, field).digest)
        return emptyValueOf(type);
    SqliteStatement st(db_, "SELECT data FROM edt.vals WHERE number = ?1 AND field = ?2");
    st.bindInt(1, number);
    st.bindInt(2, field + 1);
    if (!st.step()) {
        if (st.failed())
            throw FatalError(std::string(kReadFailedText) + "：" + db_.lastError());
        throw FatalError(kTypeMismatchText);  // the value the fingerprint promises is gone
    }
    auto value = ValueCodec(key_.get()).read(st, 0, type, number, field + 1);
    if (!value)
        throw FatalError(kTypeMismatchText);
    remember(number, field, *value);
    return std::move(*value);
}

void StoredTable::remember(int number, int field, const FieldValue& value) const {
    if (recent_.size() <= std::size_t(field))
        recent_.resize(std::size_t(field) + 1);
    recent_[std::size_t(field)] = RecentValue{number, ValueCodec::plainBytes(value)};
}

const StoredTable::RecentValue* StoredTable::recentFor(int number, int field) const {
    if (std::size_t(field) >= recent_.size() || recent_[std::size_t(field)].number != number)
        return nullptr;
    return &recent_[std::size_t(field)];
}

void StoredTable::removeOrphanSuperJournals() const {
    // A change across both files writes a super-journal ("NAME.edb-mj...") that the journals
    // of both files point to. When a commit fails after writing it, the rollback removes the
    // journals but can leave the super-journal behind. Once no journal refers to it any more it
    // is only litter; while a journal exists it must stay, or the rollback would be lost.
    std::error_code ec;
    if (db_.inTransaction() || fs::exists(journalPath(path_), ec) ||
        fs::exists(journalPath(companionPath(path_)), ec))
        return;
    const std::string prefix = utf8FromPath(path_.filename()) + "-mj";
    std::vector<fs::path> orphans;
    for (const auto& entry : fs::directory_iterator(path_.parent_path(), ec))
        if (utf8FromPath(entry.path().filename()).rfind(prefix, 0) == 0)
            orphans.push_back(entry.path());
    for (const auto& orphan : orphans)
        fs::remove(orphan, ec);
}

StoreResult StoredTable::failedChange(const std::string& what) {
    const std::string detail = db_.lastError();
    db_.rollback();
    removeOrphanSuperJournals();
    return StoreResult::failure(what + (detail.empty() ? "" : "：" + detail));
}

StoreResult StoredTable::write(int number, int field, const FieldValue& value) {
    const FieldDescriptor& descriptor = fields_[field];
    if (!valueFits(descriptor.type, value))
        return StoreResult::failure("数据类型与字段不符");
    const ValueCodec codec(key_.get());
    const int position = field + 1;
    Cell& target = cell(number, field);
    if (!storedInCompanion(descriptor.type)) {
        if (target.value == value)
            return StoreResult::success();
        if (!db_.begin() ||
            !storeFixedValue(db_, codec, number, position, descriptor.type, value) || !db_.commit())
            return failedChange("写入数据库失败");
        target.value = value;
        return StoreResult::success();
    }
    if (isEmptyValue(value)) {
        if (!target.digest)
            return StoreResult::success();
    } else if (target.digest) {
        if (const RecentValue* recent = recentFor(number, field)) {
            if (hasBytes(value, recent->plain))
                return StoreResult::success();
        } else if (*target.digest == codec.digest(value, number, position)) {
            return StoreResult::success();
        }
    }
    std::optional<ValueDigest> digest;
    if (!db_.begin() ||
        !storeCompanionValue(db_, codec, number, position, descriptor.type, value, digest) ||
        !db_.commit()) {
        forgetRecent();
        return failedChange("写入数据库失败");
    }
    target.digest = digest;
    remember(number, field, value);
    return StoreResult::success();
}

StoreResult StoredTable::append(const std::vector<FieldValue>& values) {
    if (values.size() != fields_.size())
        return StoreResult::failure("字段数目不符");
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (!valueFits(fields_[i].type, values[i]))
            return StoreResult::failure("数据类型与字段不符：" + fields_[i].name);
    const int number = count_ + 1;
    std::vector<std::optional<ValueDigest>> digests;
    if (!db_.begin() ||
        !insertRecord(db_, fields_, ValueCodec(key_.get()), number, values, digests) ||
        !db_.commit())
        return failedChange("添加记录失败");
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        Cell c;
        if (storedInCompanion(fields_[i].type))
            c.digest = digests[i];
        else
            c.value = values[i];
        cells_.push_back(std::move(c));
    }
    count_ = number;
    return StoreResult::success();
}

void StoredTable::vacuum() {
    // Shrinks the files; the change itself is already committed, and with secure delete on no
    // old content remains in free pages, so a failure here loses nothing.
    db_.exec("VACUUM main");
    db_.exec("VACUUM edt");
}

StoreResult StoredTable::clear() {
    if (!db_.begin() ||
        !db_.exec("DELETE FROM main.records; DELETE FROM edt.vals; DELETE FROM edt.digests") ||
        !db_.commit())
        return failedChange("清空数据库失败");
    cells_.clear();
    count_ = 0;
    forgetRecent();
    vacuum();
    return StoreResult::success();
}

StoreResult StoredTable::setPassword(const std::string& password, const KdfParams& params) {
    if (password.empty() && !key_)
        return StoreResult::success();
    std::unique_ptr<CipherKey> newKey;
    std::optional<ProtectionMeta> newProtection;
    if (!password.empty()) {
        Bytes salt = CipherKey::randomBytes(CipherKey::kSaltSize);
        newKey = CipherKey::derive(password, salt, params);
        if (!newKey)
            return StoreResult::failure("无法生成密钥（内存不足？）");
        newProtection = makeProtectionMeta(*newKey, std::move(salt), params);
    }
    const ValueCodec oldCodec(key_.get());
    const ValueCodec newCodec(newKey.get());
    std::vector<std::optional<ValueDigest>> digests(cells_.size());
    if (!db_.begin())
        return failedChange("设置密码失败");
    for (int number = 1; number <= count_; ++number) {
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const int field = static_cast<int>(i);
            const FieldType type = fields_[i].type;
            if (!storedInCompanion(type)) {
                if (!storeFixedValue(db_, newCodec, number, field + 1, type,
                                     cell(number, field).value))
                    return failedChange("设置密码失败");
                continue;
            }
            if (!cell(number, field).digest)
                continue;
            FieldValue plain;
            try {
                plain = read(number, field);
            } catch (const FatalError& e) {
                db_.rollback();
                return StoreResult::failure(std::string("设置密码失败：") + e.what());
            }
            auto& digest = digests[static_cast<std::size_t>(number - 1) * fields_.size() + i];
            if (!storeCompanionValue(db_, newCodec, number, field + 1, type, plain, digest))
                return failedChange("设置密码失败");
        }
    }
    if (!writeProtectionMeta(db_, newProtection) || !db_.commit())
        return failedChange("设置密码失败");
    key_ = std::move(newKey);
    protection_ = std::move(newProtection);
    forgetRecent();
    for (std::size_t i = 0; i < cells_.size(); ++i)
        if (storedInCompanion(fields_[i % fields_.size()].type))
            cells_[i].digest = digests[i];
    vacuum();
    return StoreResult::success();
}

bool StoredTable::checkPassword(const std::string& password) const {
    TableMeta meta;
    meta.protection = protection_;
    return passwordFits(meta, password);
}

StoreResult StoredTable::sortTo(const fs::path& target, int field) const {
    const FieldType type = fields_[field].type;
    if (storedInCompanion(type))
        return StoreResult::failure("只能按日期或文字字段排序");
    std::vector<int> order(static_cast<std::size_t>(count_));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const FieldValue& x = cell(a, field).value;
        const FieldValue& y = cell(b, field).value;
        if (type == FieldType::DateTime)
            return clampDateTime(std::get<double>(x)) < clampDateTime(std::get<double>(y));
        return std::get<std::string>(x) < std::get<std::string>(y);
    });
    TableWriter writer(target, fields_);
    if (auto r = writer.begin(protection_, key_.get()); !r)
        return r;
    std::vector<FieldValue> values(fields_.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        for (std::size_t i = 0; i < fields_.size(); ++i)
            values[i] = read(order[k], static_cast<int>(i));
        if (!writer.append(static_cast<std::int64_t>(k + 1), values))
            return StoreResult::failure("写入排序后的数据库失败");
    }
    return writer.finish();
}

}  // namespace ledgerleaf

#include "store/table_writer.h"

#include <set>
#include <system_error>

#include "core/utf8_path.h"
#include "store/cipher_key.h"
#include "store/name_match.h"
#include "store/record_rows.h"
#include "store/sqlite_statement.h"

namespace ledgerleaf {

namespace fs = std::filesystem;

namespace {

void removeQuietly(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
}

fs::path withSuffix(const fs::path& file, const char* suffix) {
    fs::path out = file;
    out += suffix;
    return out;
}

}  // namespace

TableWriter::TableWriter(fs::path tableFile, std::vector<FieldDescriptor> fields)
    : tableFile_(std::move(tableFile)),
      tempTable_(withSuffix(tableFile_, ".part")),
      tempCompanion_(withSuffix(companionPath(tableFile_), ".part")),
      fields_(std::move(fields)) {}

TableWriter::~TableWriter() {
    if (!finished_)
        abandon();
}

void TableWriter::abandon() {
    db_.close();
    for (const auto& file : {tempTable_, tempCompanion_}) {
        removeQuietly(file);
        removeQuietly(journalPath(file));
    }
    // A failed commit across both temporary files can leave their super-journal behind.
    const std::string prefix = utf8FromPath(tempTable_.filename()) + "-mj";
    std::error_code ec;
    std::vector<fs::path> litter;
    for (const auto& entry : fs::directory_iterator(tempTable_.parent_path(), ec))
        if (utf8FromPath(entry.path().filename()).rfind(prefix, 0) == 0)
            litter.push_back(entry.path());
    for (const auto& file : litter)
        removeQuietly(file);
}

StoreResult TableWriter::checkFields(const std::vector<FieldDescriptor>& fields) {
    if (fields.empty())
        return StoreResult::failure("数据表至少需要一个字段");
    std::set<std::string> names;
    for (const auto& field : fields) {
        if (field.name.empty())
            return StoreResult::failure("字段名不能为空");
        if (!knownFieldType(static_cast<int>(field.type)))
            return StoreResult::failure("未知的字段类型");
        if (!names.insert(foldCase(field.name)).second)
            return StoreResult::failure("字段名重复：" + field.name);
    }
    return StoreResult::success();
}

StoreResult TableWriter::begin(const std::optional<ProtectionMeta>& protection,
                               const CipherKey* key) {
    if (auto check = checkFields(fields_); !check)
        return check;
    abandon();
    auto fail = [this](const std::string& what) {
        const std::string detail = db_.lastError();
        abandon();
        return StoreResult::failure(what + (detail.empty() ? "" : "：" + detail));
    };
    if (!db_.open(tempTable_, SqliteConnection::Mode::Create))
        return fail("无法建立数据库文件");
    const std::string companion = table_format::kCompanion;
    if (!db_.attach(tempCompanion_, companion))
        return fail("无法建立数据库的配套文件");
    if (!db_.applyDurablePragmas("main") || !db_.applyDurablePragmas(companion) || !db_.begin())
        return fail("无法建立数据库文件");

    std::string records = "CREATE TABLE main.records(number INTEGER PRIMARY KEY";
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (!storedInCompanion(fields_[i].type))
            records += ", f" + std::to_string(i + 1);
    records += ")";
    const std::string schema =
        "CREATE TABLE main.meta(key TEXT PRIMARY KEY, value);"
        "CREATE TABLE main.fields(position INTEGER PRIMARY KEY, name TEXT NOT NULL,"
        " type INTEGER NOT NULL, max_length INTEGER NOT NULL);" +
        records + ";" + "CREATE TABLE " + companion +
        ".meta(key TEXT PRIMARY KEY, value);"
        "CREATE TABLE " +
        companion +
        ".vals(number INTEGER NOT NULL, field INTEGER NOT NULL, data NOT NULL,"
        " PRIMARY KEY(number, field));"
        "CREATE TABLE " +
        companion +
        ".digests(number INTEGER NOT NULL, field INTEGER NOT NULL, digest BLOB NOT NULL,"
        " PRIMARY KEY(number, field)) WITHOUT ROWID;";
    if (!db_.exec(schema))
        return fail("无法建立数据库文件");

    const Bytes pairId = CipherKey::randomBytes(16);
    for (const std::string target : {"main", "edt"}) {
        SqliteStatement meta(db_, "INSERT INTO " + target + ".meta(key, value) VALUES (?1, ?2)");
        meta.bindText(1, "format");
        meta.bindText(2, target == "main" ? table_format::kTableTag : table_format::kCompanionTag);
        bool ok = meta.run();
        meta.reset();
        meta.bindText(1, "version");
        meta.bindInt(2, table_format::kVersion);
        ok = ok && meta.run();
        meta.reset();
        meta.bindText(1, "pair");
        meta.bindBlob(2, pairId);
        ok = ok && meta.run();
        if (!ok)
            return fail("无法建立数据库文件");
    }
    if (!writeProtectionMeta(db_, protection))
        return fail("无法建立数据库文件");

    SqliteStatement field(
        db_, "INSERT INTO main.fields(position, name, type, max_length) VALUES (?1, ?2, ?3, ?4)");
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        field.reset();
        field.bindInt(1, static_cast<std::int64_t>(i + 1));
        field.bindText(2, fields_[i].name);
        field.bindInt(3, static_cast<int>(fields_[i].type));
        field.bindInt(4, fields_[i].maxLength);
        if (!field.run())
            return fail("无法建立数据库文件");
    }
    codec_.emplace(protection ? key : nullptr);
    return StoreResult::success();
}

bool TableWriter::append(std::int64_t number, const std::vector<FieldValue>& values) {
    if (!codec_)
        return false;
    std::vector<std::optional<ValueDigest>> digests;
    return insertRecord(db_, fields_, *codec_, number, values, digests);
}

StoreResult TableWriter::finish() {
    if (!codec_ || !db_.commit()) {
        const std::string detail = db_.lastError();
        abandon();
        return StoreResult::failure("写入数据库文件失败：" + detail);
    }
    db_.close();
    // A journal left beside the old pair would be played back into the new files.
    const fs::path companion = companionPath(tableFile_);
    removeQuietly(journalPath(tableFile_));
    removeQuietly(journalPath(companion));
    std::error_code ec;
    fs::rename(tempCompanion_, companion, ec);
    if (!ec)
        fs::rename(tempTable_, tableFile_, ec);
    if (ec) {
        abandon();
        return StoreResult::failure("无法替换数据库文件：" + ec.message());
    }
    finished_ = true;
    return StoreResult::success();
}

}  // namespace ledgerleaf

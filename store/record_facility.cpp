#include "store/record_facility.h"

#include <algorithm>
#include <system_error>

#include "core/utf8_path.h"
#include "platform/fatal_error.h"
#include "store/name_match.h"
#include "store/stored_table.h"
#include "store/table_format.h"
#include "store/table_writer.h"

namespace ledgerleaf {

namespace fs = std::filesystem;

namespace {

// The form of a path used to tell whether two names mean the same file.
std::string pathKey(const fs::path& path) {
    std::error_code ec;
    fs::path normal = fs::weakly_canonical(path, ec);
    if (ec)
        normal = path.lexically_normal();
    return foldCase(utf8FromPath(normal));
}

}  // namespace

struct RecordFacility::OpenTable {
    std::unique_ptr<StoredTable> table;
    std::string alias;
    std::string name;
    fs::path path;
    std::string key;
    int cursor = 1;

    bool onRecord() const { return cursor >= 1 && cursor <= table->recordCount(); }
};

RecordFacility::RecordFacility(fs::path programDir, KdfParams newProtection)
    : programDir_(std::move(programDir)), newProtection_(newProtection) {}

RecordFacility::~RecordFacility() {
    close_all();
}

fs::path RecordFacility::resolve(const std::string& fileName) const {
    fs::path path = pathFromUtf8(fileName);
    if (!path.has_extension())
        path += ".edb";
    if (path.is_relative())
        path = programDir_ / path;
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal();
}

RecordFacility::OpenTable* RecordFacility::findOpen(const std::string& aliasOrName) const {
    for (const auto& entry : open_)
        if (!entry->alias.empty() && sameName(entry->alias, aliasOrName))
            return entry.get();
    for (const auto& entry : open_)
        if (sameName(entry->name, aliasOrName))
            return entry.get();
    if (aliasOrName.empty())
        return nullptr;
    const std::string key = pathKey(resolve(aliasOrName));
    for (const auto& entry : open_)
        if (entry->key == key)
            return entry.get();
    return nullptr;
}

bool RecordFacility::is_open(const std::string& aliasOrName) const {
    return findOpen(aliasOrName) != nullptr;
}

StoreResult RecordFacility::create(const std::string& fileName,
                                   const std::vector<FieldDescriptor>& fields) {
    const fs::path path = resolve(fileName);
    const std::string key = pathKey(path);
    for (const auto& entry : open_)
        if (entry->key == key)
            return StoreResult::failure("该数据库正在使用，不能重建");
    TableWriter writer(path, fields);
    if (auto r = writer.begin(std::nullopt, nullptr); !r)
        return r;
    return writer.finish();
}

StoreResult RecordFacility::open(const std::string& fileName,
                                 const std::optional<std::string>& alias,
                                 const std::optional<std::string>& password) {
    const fs::path path = resolve(fileName);
    const std::string key = pathKey(path);
    for (const auto& entry : open_)
        if (entry->key == key)
            return StoreResult::failure(open_error::kAlreadyOpen);
    if (alias && !alias->empty())
        for (const auto& entry : open_)
            if (sameName(entry->alias, *alias))
                return StoreResult::failure("别名已被使用");
    auto entry = std::make_unique<OpenTable>();
    if (auto r = StoredTable::open(path, password, entry->table); !r)
        return r;
    entry->alias = alias.value_or(std::string());
    entry->name = utf8FromPath(path.stem());
    entry->path = path;
    entry->key = key;
    current_ = entry.get();
    open_.push_back(std::move(entry));
    return StoreResult::success();
}

bool RecordFacility::is_encrypted(const std::string& name) const {
    if (const OpenTable* entry = findOpen(name))
        return entry->table->isProtected();
    TableMeta meta;
    return StoredTable::probe(resolve(name), meta) && meta.protection.has_value();
}

StoreResult RecordFacility::check_password(const std::string& name,
                                           const std::string& password) const {
    if (const OpenTable* entry = findOpen(name))
        return entry->table->checkPassword(password)
                   ? StoreResult::success()
                   : StoreResult::failure(open_error::kWrongPassword);
    TableMeta meta;
    if (auto r = StoredTable::probe(resolve(name), meta); !r)
        return r;
    if (!meta.protection && !password.empty())
        return StoreResult::failure(open_error::kNotProtected);
    return StoredTable::passwordFits(meta, password)
               ? StoreResult::success()
               : StoreResult::failure(open_error::kWrongPassword);
}

bool RecordFacility::set_current(const std::string& aliasOrName) {
    OpenTable* entry = findOpen(aliasOrName);
    if (!entry)
        return false;
    current_ = entry;
    return true;
}

void RecordFacility::close() {
    if (!current_)
        return;
    OpenTable* gone = current_;
    current_ = nullptr;
    std::erase_if(open_, [gone](const auto& entry) { return entry.get() == gone; });
}

bool RecordFacility::close(const std::string& aliasOrName) {
    OpenTable* entry = findOpen(aliasOrName);
    if (!entry)
        return false;
    if (entry == current_)
        current_ = nullptr;
    std::erase_if(open_, [entry](const auto& e) { return e.get() == entry; });
    return true;
}

void RecordFacility::close_all() {
    current_ = nullptr;
    open_.clear();
}

RecordFacility::OpenTable& RecordFacility::current() {
    if (!current_)
        throw FatalError(kNoCurrentDatabaseText);
    return *current_;
}

int RecordFacility::requireField(OpenTable& table, const std::string& field) {
    const int index = table.table->fieldIndex(field);
    if (index < 0)
        throw FatalError(kFieldMissingText);
    return index;
}

int RecordFacility::record_count() {
    return current().table->recordCount();
}

void RecordFacility::go_first() {
    current().cursor = 1;
}

void RecordFacility::skip() {
    OpenTable& t = current();
    if (t.cursor <= t.table->recordCount())
        ++t.cursor;
}

void RecordFacility::go_to(int number) {
    OpenTable& t = current();
    t.cursor = std::clamp(number, 1, std::max(1, t.table->recordCount()));
}

int RecordFacility::record_number() {
    return current().cursor;
}

bool RecordFacility::at_end() {
    OpenTable& t = current();
    return t.cursor > t.table->recordCount();
}

StoreResult RecordFacility::add_blank_record() {
    OpenTable& t = current();
    std::vector<FieldValue> values;
    for (const auto& field : t.table->fields())
        values.push_back(emptyValueOf(field.type));
    return add_record(values);
}

StoreResult RecordFacility::add_record(const std::vector<FieldValue>& values) {
    OpenTable& t = current();
    StoreResult r = t.table->append(values);
    if (r)
        t.cursor = t.table->recordCount();
    return r;
}

FieldValue RecordFacility::read(const std::string& field) {
    OpenTable& t = current();
    const int index = requireField(t, field);
    if (!t.onRecord())
        return emptyValueOf(t.table->fields()[index].type);
    return t.table->read(t.cursor, index);
}

bool RecordFacility::is_empty(const std::string& field) {
    OpenTable& t = current();
    const int index = requireField(t, field);
    return !t.onRecord() || t.table->isEmpty(t.cursor, index);
}

StoreResult RecordFacility::write(const std::string& field, const FieldValue& value) {
    OpenTable& t = current();
    const int index = requireField(t, field);
    if (!t.onRecord())
        return StoreResult::failure("没有当前记录");
    return t.table->write(t.cursor, index, value);
}

StoreResult RecordFacility::write_field_of(const std::string& field, const std::string& aliasOrName,
                                           const FieldValue& value) {
    OpenTable* t = findOpen(aliasOrName);
    if (!t)
        return StoreResult::failure("没有打开名为“" + aliasOrName + "”的数据库");
    const int index = requireField(*t, field);
    if (!t->onRecord())
        return StoreResult::failure("没有当前记录");
    return t->table->write(t->cursor, index, value);
}

bool RecordFacility::find(const std::function<bool()>& condition) {
    OpenTable& t = current();
    const int start = t.cursor;
    for (int number = start; number <= t.table->recordCount(); ++number) {
        t.cursor = number;
        if (condition())
            return true;
    }
    t.cursor = start;
    return false;
}

StoreResult RecordFacility::clear() {
    OpenTable& t = current();
    StoreResult r = t.table->clear();
    if (r)
        t.cursor = 1;
    return r;
}

StoreResult RecordFacility::sort_to_file(const std::string& newFileName, const std::string& field) {
    OpenTable& t = current();
    const int index = requireField(t, field);
    const fs::path target = resolve(newFileName);
    const std::string key = pathKey(target);
    for (const auto& entry : open_)
        if (entry->key == key)
            return StoreResult::failure("目标数据库正在使用");
    return t.table->sortTo(target, index);
}

StoreResult RecordFacility::set_password(const std::string& password) {
    return current().table->setPassword(password, newProtection_);
}

int RecordFacility::field_index(const std::string& field) {
    return requireField(current(), field);
}

FieldType RecordFacility::field_type(int index) {
    return current().table->fields().at(index).type;
}

const FieldValue& RecordFacility::fixed_value_at(int number, int index) {
    return current().table->fixedValue(number, index);
}

bool RecordFacility::empty_at(int number, int index) {
    return current().table->isEmpty(number, index);
}

void RecordFacility::scan_text(const std::string& field,
                               const std::function<void(int, std::string_view)>& visit) {
    OpenTable& t = current();
    t.table->scanText(requireField(t, field), visit);
}

}  // namespace ledgerleaf

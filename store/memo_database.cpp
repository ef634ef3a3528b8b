#include "store/memo_database.h"

#include <system_error>

#include "core/date_time.h"
#include "core/utf8_path.h"
#include "platform/fatal_error.h"
#include "store/field_descriptor.h"
#include "store/record_facility.h"

namespace ledgerleaf {

namespace fs = std::filesystem;

namespace {

fs::path tableFile(const fs::path& programDir) {
    return programDir / pathFromUtf8(std::string(kMemoDatabaseName) + ".edb");
}

// The schema type each memo field must come back with.
std::optional<FieldType> memoFieldType(const std::string& field) {
    if (field == kFieldDate)
        return FieldType::DateTime;
    if (field == kFieldMemo)
        return FieldType::Memo;
    if (field == kFieldPicture)
        return FieldType::ByteSet;
    if (field == kFieldExtension)
        return FieldType::Text;
    return std::nullopt;
}

// The stored field of a memo record must have the type the memo database was created with;
// anything else is a damaged database.
void requireType(RecordFacility& facility, int index, FieldType type) {
    const FieldType stored = facility.field_type(index);
    const bool fits = stored == type || (type == FieldType::Memo && stored == FieldType::Text);
    if (!fits)
        throw FatalError(kTypeMismatchText);
}

// Where a scan finds a record's date, memo and picture, their types checked once.
struct SummaryFields {
    int date;
    int memo;
    int picture;
};

SummaryFields summaryFields(RecordFacility& facility) {
    const SummaryFields fields{facility.field_index(kFieldDate), facility.field_index(kFieldMemo),
                               facility.field_index(kFieldPicture)};
    requireType(facility, fields.date, FieldType::DateTime);
    requireType(facility, fields.memo, FieldType::Memo);
    requireType(facility, fields.picture, FieldType::ByteSet);
    return fields;
}

}  // namespace

MemoDatabase::MemoDatabase(RecordFacility& facility, fs::path programDir)
    : facility_(facility), programDir_(std::move(programDir)) {}

bool MemoDatabase::db_exists() const {
    std::error_code ec;
    return fs::exists(tableFile(programDir_), ec);
}

bool MemoDatabase::db_create() {
    const std::vector<FieldDescriptor> fields = {
        {kFieldDate, FieldType::DateTime, 20},
        {kFieldMemo, FieldType::Memo, 20},
        {kFieldPicture, FieldType::ByteSet, 20},
        {kFieldExtension, FieldType::Text, 3},
    };
    return facility_.create(utf8FromPath(tableFile(programDir_)), fields).ok;
}

bool MemoDatabase::db_open(const std::optional<std::string>& password) {
    return facility_.open(utf8FromPath(tableFile(programDir_)), std::nullopt, password).ok;
}

bool MemoDatabase::find_day(double day) {
    const double wanted = clampDateTime(datePart(day));
    const int date = facility_.field_index(kFieldDate);
    requireType(facility_, date, FieldType::DateTime);
    facility_.go_first();
    return facility_.find([&] {
        const FieldValue& value = facility_.fixed_value_at(facility_.record_number(), date);
        return clampDateTime(std::get<double>(value)) == wanted;
    });
}

FieldValue MemoDatabase::read_field(const std::string& field) {
    FieldValue value = facility_.read(field);
    if (const auto type = memoFieldType(field); type && !valueFits(*type, value))
        throw FatalError(kTypeMismatchText);
    return value;
}

double MemoDatabase::read_date() {
    return std::get<double>(read_field(kFieldDate));
}

std::string MemoDatabase::read_memo() {
    return std::get<std::string>(read_field(kFieldMemo));
}

Bytes MemoDatabase::read_picture() {
    return std::get<Bytes>(read_field(kFieldPicture));
}

std::string MemoDatabase::read_extension() {
    return std::get<std::string>(read_field(kFieldExtension));
}

bool MemoDatabase::picture_empty() {
    requireType(facility_, facility_.field_index(kFieldPicture), FieldType::ByteSet);
    return facility_.is_empty(kFieldPicture);
}

bool MemoDatabase::write_field(const std::string& field, const FieldValue& value) {
    return facility_.write(field, value).ok;
}

bool MemoDatabase::add_day(double day, const std::string& memo, const Bytes& picture,
                           const std::string& extension) {
    return facility_.add_record({datePart(day), memo, picture, extension}).ok;
}

void MemoDatabase::for_each_record(const std::function<void()>& visit) {
    facility_.go_first();
    const int count = facility_.record_count();
    for (int number = 1; number <= count; ++number) {
        facility_.go_to(number);
        visit();
    }
    if (count > 0) {
        facility_.go_to(count);
        facility_.skip();
    }
}

void MemoDatabase::for_each_summary(const std::function<void(const RecordSummary&)>& visit) {
    const auto [date, memo, picture] = summaryFields(facility_);
    const int count = facility_.record_count();
    RecordSummary summary;
    for (int number = 1; number <= count; ++number) {
        summary.number = number;
        summary.date = std::get<double>(facility_.fixed_value_at(number, date));
        summary.memoEmpty = facility_.empty_at(number, memo);
        summary.pictureEmpty = facility_.empty_at(number, picture);
        visit(summary);
    }
}

void MemoDatabase::for_each_memo(
    const std::function<void(const RecordSummary&, std::string_view)>& visit) {
    const SummaryFields fields = summaryFields(facility_);
    RecordSummary summary;
    summary.memoEmpty = false;
    facility_.scan_text(kFieldMemo, [&](int number, std::string_view text) {
        summary.number = number;
        summary.date = std::get<double>(facility_.fixed_value_at(number, fields.date));
        summary.pictureEmpty = facility_.empty_at(number, fields.picture);
        visit(summary, text);
    });
}

int MemoDatabase::record_number() {
    return facility_.record_number();
}

void MemoDatabase::go_to_record(int number) {
    facility_.go_to(number);
}

int MemoDatabase::record_count() {
    return facility_.record_count();
}

bool MemoDatabase::clear_all() {
    return facility_.clear().ok;
}

void MemoDatabase::close_all() {
    facility_.close_all();
}

}  // namespace ledgerleaf

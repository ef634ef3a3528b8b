// The one-pass scan of a memo or text field (RecordFacility::scan_text, MemoDatabase::
// for_each_memo) against reading record by record, plain and protected.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <map>
#include <optional>

#include "platform/fatal_error.h"
#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

std::vector<FieldValue> record(double day, const std::string& memo, const std::string& ext = {}) {
    return {day, memo, Bytes{}, ext};
}

// The visits of one scan, checked to come in rising record order.
std::map<int, std::string> scan(RecordFacility& facility, const std::string& field) {
    std::map<int, std::string> seen;
    int last = 0;
    facility.scan_text(field, [&](int number, std::string_view text) {
        EXPECT_GT(number, last) << "visits out of record order";
        EXPECT_FALSE(text.empty()) << "record " << number << " visited with an empty value";
        last = number;
        seen[number] = std::string(text);
    });
    return seen;
}

// What read() gives for every record, a record missing from the scan standing for the empty
// text; the cursor must stand where it stood before the scan.
void expectScanMatchesRead(RecordFacility& facility, const std::string& field) {
    const int cursor = facility.record_number();
    const std::map<int, std::string> seen = scan(facility, field);
    EXPECT_EQ(facility.record_number(), cursor) << "the scan moved the cursor";
    for (int number = 1; number <= facility.record_count(); ++number) {
        facility.go_to(number);
        const auto it = seen.find(number);
        EXPECT_EQ(facility.read(field), FieldValue(it == seen.end() ? std::string() : it->second))
            << "record " << number;
    }
    facility.go_to(cursor);
}

void runSql(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(utf8FromPath(file).c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// The platform text of the FatalError `action` throws; nothing when it does not throw.
std::optional<std::string> fatalText(const std::function<void()>& action) {
    try {
        action();
    } catch (const FatalError& e) {
        return e.platformText();
    }
    return std::nullopt;
}

class TextScanTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(f.db.db_create());
        ASSERT_TRUE(f.db.db_open());
        if (locked()) {
            ASSERT_TRUE(f.facility.set_password("密码"));
        }
    }
    bool locked() const { return GetParam(); }
    void add(const std::vector<std::string>& memos) {
        for (const auto& memo : memos)
            ASSERT_TRUE(f.facility.add_record(
                record(40000 + f.facility.record_count(), memo, memo.empty() ? "" : "jpg")));
    }
    void write(int number, const std::string& memo) {
        f.facility.go_to(number);
        ASSERT_TRUE(f.facility.write(kFieldMemo, memo));
    }

    DiaryFixture f;
};

TEST_P(TextScanTest, YieldsWhatReadGivesInRecordOrderThroughChanges) {
    struct Step {
        const char* what;
        std::function<void()> change;
    };
    const std::string longMemo(200000, 'x');  // spread over many overflow pages
    const std::vector<Step> steps = {
        {"empty table", [] {}},
        {"empty memos left out",
         [&] {
             add({"", "第一天", "", "", "Park 公园", longMemo, ""});
         }},
        {"overwritten memos", [this] { write(2, "改过的"), write(6, "短"); }},
        // Emptied and filled again, the value is stored after every other one.
        {"emptied and refilled", [this] { write(2, ""), write(1, "先有"), write(2, "再有"); }},
        {"all memos emptied",
         [this] {
             for (int n = 1; n <= f.facility.record_count(); ++n)
                 write(n, "");
         }},
        {"filled again", [this] { write(7, "末"), write(3, "中"); }},
        {"cleared", [this] { ASSERT_TRUE(f.facility.clear()); }},
        {"added after clearing",
         [this] {
             add({"a", "", "b"});
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        f.facility.go_to(2);
        expectScanMatchesRead(f.facility, kFieldMemo);
        expectScanMatchesRead(f.facility, kFieldExtension);  // a text field, from memory
    }
}

TEST_P(TextScanTest, ForEachMemoGivesSummaryAndMemoOfEveryRecordWithAMemo) {
    add({"甲", "", "丙", "丁"});
    ASSERT_TRUE(
        f.facility.add_record({40100.0, std::string(), bytesOf("pic"), std::string("jpg")}));
    ASSERT_TRUE(f.facility.add_record({40200.0, std::string("戊"), bytesOf("pic"), std::string()}));
    std::vector<RecordSummary> withMemo;
    f.db.for_each_summary([&](const RecordSummary& r) {
        if (!r.memoEmpty)
            withMemo.push_back(r);
    });
    f.db.go_to_record(3);
    std::size_t i = 0;
    f.db.for_each_memo([&](const RecordSummary& r, std::string_view memo) {
        ASSERT_LT(i, withMemo.size());
        EXPECT_EQ(r.number, withMemo[i].number);
        EXPECT_EQ(r.date, withMemo[i].date);
        EXPECT_FALSE(r.memoEmpty);
        EXPECT_EQ(r.pictureEmpty, withMemo[i].pictureEmpty);
        const int cursor = f.db.record_number();
        f.db.go_to_record(r.number);
        EXPECT_EQ(memo, f.db.read_memo());
        f.db.go_to_record(cursor);
        ++i;
    });
    EXPECT_EQ(i, withMemo.size());
    EXPECT_EQ(f.db.record_number(), 3);
}

TEST_P(TextScanTest, ADamagedStoredValueFailsAsReadDoes) {
    struct Damage {
        const char* what;
        int record;  // whose memo read() must fail on
        const char* sql;
        enum { Both, PlainOnly, ProtectedOnly } where;
    };
    const Damage damages[] = {
        {"a memo stored as a blob", 2, "UPDATE vals SET data = x'E4B8AD' WHERE number = 2",
         Damage::PlainOnly},
        {"a memo stored as a number", 3, "UPDATE vals SET data = 7 WHERE number = 3",
         Damage::PlainOnly},
        {"a memo moved to another record", 2,
         "UPDATE vals SET data = (SELECT data FROM vals WHERE number = 1) WHERE number = 2",
         Damage::ProtectedOnly},
        {"a memo gone in the middle", 2, "DELETE FROM vals WHERE number = 2",
         Damage::ProtectedOnly},
        {"the last memo gone", 4, "DELETE FROM vals WHERE number = 4", Damage::Both},
    };
    add({"一", "二", "三", "四"});
    for (const Damage& d : damages) {
        // A protected table stores every value as a sealed blob; a plain memo moved to another
        // record is text that fits anywhere.
        if (d.where == (locked() ? Damage::PlainOnly : Damage::ProtectedOnly))
            continue;
        SCOPED_TRACE(d.what);
        TempDir copy;
        for (const char* file : {"ledgerleaf.edb", "ledgerleaf.edt"})
            std::filesystem::copy_file(f.dir.file(file), copy.file(file));
        RecordFacility facility(copy.path(), cheapKdf());
        MemoDatabase db(facility, copy.path());
        ASSERT_TRUE(db.db_open(locked() ? std::optional<std::string>("密码") : std::nullopt));
        // Damaged behind the open table's back, as another program could.
        runSql(copy.file("ledgerleaf.edt"), d.sql);
        db.go_to_record(d.record);
        const auto byRead = fatalText([&] { db.read_memo(); });
        ASSERT_TRUE(byRead) << "read() took the damaged value";
        EXPECT_EQ(fatalText([&] { scan(facility, kFieldMemo); }), byRead);
        EXPECT_EQ(
            fatalText([&] { db.for_each_memo([](const RecordSummary&, std::string_view) {}); }),
            byRead);
    }
}

TEST_P(TextScanTest, FieldsThatAreNoTextAreRefused) {
    add({"一"});
    EXPECT_EQ(fatalText([&] { scan(f.facility, kFieldDate); }), kTypeMismatchText);
    EXPECT_EQ(fatalText([&] { scan(f.facility, kFieldPicture); }), kTypeMismatchText);
    EXPECT_EQ(fatalText([&] { scan(f.facility, "没有的字段"); }), kFieldMissingText);
    f.facility.close();
    EXPECT_EQ(fatalText([&] { scan(f.facility, kFieldMemo); }), kNoCurrentDatabaseText);
}

INSTANTIATE_TEST_SUITE_P(PlainAndProtected, TextScanTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Protected" : "Plain"; });

}  // namespace
}  // namespace ledgerleaf::test

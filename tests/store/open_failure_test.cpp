#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "store/table_format.h"
#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

namespace fs = std::filesystem;

void runSql(const fs::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(utf8FromPath(file).c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

void truncateTo(const fs::path& file, double fraction) {
    fs::resize_file(file, static_cast<std::uintmax_t>(fs::file_size(file) * fraction));
}

void scribble(const fs::path& file, std::size_t offset, std::size_t length) {
    std::string bytes = readFileBytes(file);
    ASSERT_LT(offset + length, bytes.size());
    for (std::size_t i = 0; i < length; ++i)
        bytes[offset + i] = static_cast<char>(0xA5 ^ i);
    writeFileBytes(file, bytes);
}

// The first page of a table's b-tree, 1-based.
std::size_t rootPage(const fs::path& file, const std::string& table) {
    sqlite3* db = nullptr;
    sqlite3_open(utf8FromPath(file).c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_schema WHERE name = ?1", -1, &st, nullptr);
    sqlite3_bind_text(st, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    const std::size_t page = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return page;
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[utf8FromPath(entry.path().filename())] = readFileBytes(entry.path());
    return files;
}

struct BadFile {
    const char* name;
    std::function<void(DiaryFixture&)> spoil;
    std::optional<std::string> password;
    const char* error;
};

// One filled diary, copied into each case's folder.
class OpenFailureTest : public ::testing::TestWithParam<BadFile> {
  public:
    static void SetUpTestSuite() {
        source_ = new DiaryFixture;
        DiaryFixture& f = *source_;
        ASSERT_TRUE(f.db.db_create());
        ASSERT_TRUE(f.db.db_open());
        // Enough records for several pages in both files.
        for (int i = 0; i < 24; ++i)
            ASSERT_TRUE(f.db.add_day(40000 + i, std::string(3000, 'a' + i % 26),
                                     i % 4 ? Bytes{} : Bytes(30000, i), "jpg"));
        f.db.close_all();
    }
    static void TearDownTestSuite() { delete source_; }

  protected:
    static DiaryFixture* source_;
};
DiaryFixture* OpenFailureTest::source_ = nullptr;

TEST_P(OpenFailureTest, FailsCleanlyWithoutTouchingTheFiles) {
    DiaryFixture f;
    fs::copy_file(source_->edb(), f.edb());
    fs::copy_file(source_->edt(), f.edt());
    GetParam().spoil(f);
    const auto before = snapshot(f.dir.path());

    const StoreResult r = f.facility.open("ledgerleaf", std::nullopt, GetParam().password);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, GetParam().error);
    EXPECT_FALSE(f.facility.has_current());
    EXPECT_EQ(snapshot(f.dir.path()), before) << "opening must not create or change files";
}

const BadFile kBadFiles[] = {
    {"MissingTableFile", [](DiaryFixture& f) { fs::remove(f.edb()); }, std::nullopt,
     open_error::kMissingFile},
    {"MissingCompanion", [](DiaryFixture& f) { fs::remove(f.edt()); }, std::nullopt,
     open_error::kMissingCompanion},
    {"TableFileNotSqlite", [](DiaryFixture& f) { writeFileBytes(f.edb(), std::string(8192, 'x')); },
     std::nullopt, open_error::kNotADatabase},
    {"CompanionNotSqlite",
     [](DiaryFixture& f) { writeFileBytes(f.edt(), "这不是数据库" + std::string(5000, 'y')); },
     std::nullopt, open_error::kNotADatabase},
    {"SqliteOfAnotherProgram",
     [](DiaryFixture& f) {
         fs::remove(f.edb());
         runSql(f.edb(),
                "CREATE TABLE notes(id INTEGER PRIMARY KEY, body TEXT);"
                "INSERT INTO notes(body) VALUES ('hello')");
     },
     std::nullopt, open_error::kNotADatabase},
    {"NewerFormatVersion",
     [](DiaryFixture& f) { runSql(f.edb(), "UPDATE meta SET value = 2 WHERE key = 'version'"); },
     std::nullopt, open_error::kTooNew},
    {"CompanionOfAnotherPair",
     [](DiaryFixture& f) {
         ASSERT_TRUE(f.facility.create("other", memoFields()));
         fs::copy_file(f.dir.file("other.edt"), f.edt(), fs::copy_options::overwrite_existing);
     },
     std::nullopt, open_error::kPairMismatch},
    {"TruncatedTableFile", [](DiaryFixture& f) { truncateTo(f.edb(), 0.5); }, std::nullopt,
     open_error::kDamaged},
    {"TruncatedCompanion", [](DiaryFixture& f) { truncateTo(f.edt(), 0.5); }, std::nullopt,
     open_error::kDamaged},
    {"CorruptedRecordPage",
     [](DiaryFixture& f) { scribble(f.edb(), (rootPage(f.edb(), "records") - 1) * 4096, 40); },
     std::nullopt, open_error::kDamaged},
    {"MissingPassword",
     [](DiaryFixture& f) {
         ASSERT_TRUE(f.db.db_open());
         ASSERT_TRUE(f.facility.set_password("秘密"));
         f.db.close_all();
     },
     std::nullopt, open_error::kWrongPassword},
    {"WrongPassword",
     [](DiaryFixture& f) {
         ASSERT_TRUE(f.db.db_open());
         ASSERT_TRUE(f.facility.set_password("秘密"));
         f.db.close_all();
     },
     "秘", open_error::kWrongPassword},
    {"PasswordForAnUnprotectedTable", [](DiaryFixture&) {}, "秘密", open_error::kNotProtected},
};

INSTANTIATE_TEST_SUITE_P(BadFiles, OpenFailureTest, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OpenFailureFollowUp, ATableThatFailedToOpenStillOpensOnceRepaired) {
    DiaryFixture f;
    ASSERT_TRUE(f.db.db_create());
    const std::string edt = readFileBytes(f.edt());
    fs::remove(f.edt());
    EXPECT_FALSE(f.db.db_open());
    EXPECT_FALSE(fs::exists(f.edt())) << "open must not create the missing companion";
    writeFileBytes(f.edt(), edt);
    EXPECT_TRUE(f.db.db_open());
}

}  // namespace
}  // namespace ledgerleaf::test

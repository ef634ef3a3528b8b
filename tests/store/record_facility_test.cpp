#include <gtest/gtest.h>

#include "platform/fatal_error.h"
#include "store/stored_table.h"
#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

namespace fs = std::filesystem;

std::vector<FieldValue> record(double day, const std::string& memo, const std::string& pic = {},
                               const std::string& ext = {}) {
    return {day, memo, bytesOf(pic), ext};
}

class FacilityTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(fac.create("ledgerleaf", memoFields())); }
    // Opens ledgerleaf and adds the given days (memo "m<day>").
    void openWith(std::initializer_list<double> days) {
        ASSERT_TRUE(fac.open("ledgerleaf"));
        for (double d : days)
            ASSERT_TRUE(fac.add_record(record(d, "m" + std::to_string(int(d)))));
    }
    std::string memo() { return std::get<std::string>(fac.read(kFieldMemo)); }

    TempDir dir;
    RecordFacility fac{dir.path(), cheapKdf()};
};

TEST_F(FacilityTest, CreateReplacesAnExistingPairAndRefusesAnOpenOne) {
    openWith({1, 2});
    EXPECT_FALSE(fac.create("ledgerleaf", memoFields())) << "open table must not be replaced";
    fac.close_all();
    ASSERT_TRUE(fac.create("ledgerleaf.edb", {{"甲", FieldType::Text, 5}}));
    ASSERT_TRUE(fac.open("ledgerleaf"));
    EXPECT_EQ(fac.record_count(), 0);
    EXPECT_EQ(fac.field_index("甲"), 0);
    EXPECT_THROW(fac.field_index(kFieldMemo), FatalError);
}

TEST_F(FacilityTest, CreateRejectsUnusableFieldLists) {
    const std::vector<std::vector<FieldDescriptor>> bad = {
        {},
        {{"", FieldType::Text, 3}},
        {{"a", FieldType::Text, 3}, {"A", FieldType::Memo, 3}},
        {{"a", static_cast<FieldType>(9), 3}},
    };
    for (const auto& fields : bad)
        EXPECT_FALSE(fac.create("other", fields));
    EXPECT_FALSE(fs::exists(dir.file("other.edb")));
    EXPECT_FALSE(fs::exists(dir.file("other.edb.part")));
}

TEST_F(FacilityTest, OpenAddressesByAliasNameAndFullPathIgnoringCase) {
    ASSERT_TRUE(fac.create("中文名", memoFields()));
    ASSERT_TRUE(fac.open("ledgerleaf", "New"));
    ASSERT_TRUE(fac.add_record(record(1, "in ledgerleaf")));
    ASSERT_TRUE(fac.open(utf8FromPath(dir.file("中文名.edb")), "old"));
    ASSERT_TRUE(fac.add_record(record(2, "in 中文名")));

    struct Case {
        std::string name;
        std::string memo;
    };
    const std::vector<Case> cases = {
        {"new", "in ledgerleaf"},
        {"NEW", "in ledgerleaf"},
        {"LedgerLeaf", "in ledgerleaf"},
        {utf8FromPath(dir.file("LEDGERLEAF.EDB")), "in ledgerleaf"},
        {"Old", "in 中文名"},
        {"中文名", "in 中文名"},
        {utf8FromPath(dir.file("中文名.edb")), "in 中文名"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(fac.set_current(c.name)) << c.name;
        EXPECT_EQ(memo(), c.memo) << c.name;
    }
    EXPECT_FALSE(fac.set_current("nothing"));
    EXPECT_EQ(memo(), "in 中文名") << "a failed set current leaves the current table";
}

TEST_F(FacilityTest, OpenFailsForATableThatIsAlreadyOpenUnderAnyName) {
    ASSERT_TRUE(fac.open("ledgerleaf", "a"));
    for (const std::string& name : std::vector<std::string>{
             "ledgerleaf", "LEDGERLEAF.edb", utf8FromPath(dir.file("ledgerleaf.edb")),
             utf8FromPath(dir.path() / "." / "ledgerleaf.edb")})
        EXPECT_FALSE(fac.open(name, "b")) << name;
    EXPECT_EQ(fac.open("ledgerleaf").error, "该数据库已经打开");
}

TEST_F(FacilityTest, RelativeNamesAreTakenInTheProgramDirectoryNotTheWorkingDirectory) {
    const fs::path before = fs::current_path();
    TempDir elsewhere;
    fs::current_path(elsewhere.path());
    const bool opened = fac.open("ledgerleaf").ok;
    fs::current_path(before);
    EXPECT_TRUE(opened);
}

TEST_F(FacilityTest, CloseForgetsTheCurrentTableAndFatalFaultsFollow) {
    openWith({1});
    ASSERT_TRUE(fac.has_current());
    fac.close();
    EXPECT_FALSE(fac.has_current());
    EXPECT_FALSE(fac.is_open("ledgerleaf"));
    struct Op {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Op> ops = {
        {"read", [&] { fac.read(kFieldMemo); }},
        {"find", [&] { fac.find([] { return true; }); }},
        {"record count", [&] { fac.record_count(); }},
        {"go first", [&] { fac.go_first(); }},
        {"write", [&] { fac.write(kFieldMemo, std::string("x")); }},
    };
    for (const auto& op : ops) {
        try {
            op.run();
            ADD_FAILURE() << op.name << " without a current table did not fail";
        } catch (const FatalError& e) {
            EXPECT_EQ(e.platformText(), kNoCurrentDatabaseText) << op.name;
        }
    }
    ASSERT_TRUE(fac.open("ledgerleaf", "x"));
    EXPECT_TRUE(fac.close("X"));
    EXPECT_FALSE(fac.close("X"));
    EXPECT_FALSE(fac.has_current());
}

TEST_F(FacilityTest, CursorMovesAsTheContractSays) {
    openWith({});
    fac.go_first();
    EXPECT_EQ(fac.record_number(), 1) << "go to first on an empty table";
    EXPECT_EQ(std::get<std::string>(fac.read(kFieldMemo)), "");
    EXPECT_EQ(std::get<double>(fac.read(kFieldDate)), 0.0);
    EXPECT_TRUE(std::get<Bytes>(fac.read(kFieldPicture)).empty());
    for (double d : {10, 20, 30})
        ASSERT_TRUE(fac.add_record(record(d, "m")));
    EXPECT_EQ(fac.record_number(), 3) << "add leaves the cursor on the new record";

    struct Step {
        std::function<void()> move;
        int number;
        bool atEnd;
    };
    const std::vector<Step> steps = {
        {[&] { fac.go_first(); }, 1, false}, {[&] { fac.skip(); }, 2, false},
        {[&] { fac.skip(); }, 3, false},     {[&] { fac.skip(); }, 4, true},
        {[&] { fac.skip(); }, 4, true},      {[&] { fac.go_to(2); }, 2, false},
        {[&] { fac.go_to(-7); }, 1, false},  {[&] { fac.go_to(99); }, 3, false},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].move();
        EXPECT_EQ(fac.record_number(), steps[i].number) << "step " << i;
        EXPECT_EQ(fac.at_end(), steps[i].atEnd) << "step " << i;
    }
    fac.go_to(3);
    fac.skip();
    EXPECT_EQ(std::get<double>(fac.read(kFieldDate)), 0.0) << "after the end reads empty";
    EXPECT_FALSE(fac.write(kFieldMemo, std::string("x"))) << "no record to write after the end";
}

TEST_F(FacilityTest, AddRecordChecksTypesAndCountAndBlankRecordIsEmpty) {
    openWith({});
    EXPECT_FALSE(fac.add_record({1.0, std::string("m"), Bytes{}}));
    EXPECT_FALSE(fac.add_record({std::string("1"), std::string("m"), Bytes{}, std::string()}));
    EXPECT_FALSE(fac.add_record({1.0, Bytes{}, Bytes{}, std::string()}));
    EXPECT_EQ(fac.record_count(), 0);
    ASSERT_TRUE(fac.add_record(record(5, "five")));
    ASSERT_TRUE(fac.add_blank_record());
    EXPECT_EQ(fac.record_count(), 2);
    EXPECT_EQ(fac.record_number(), 2);
    EXPECT_EQ(fac.read(kFieldDate), FieldValue(0.0));
    EXPECT_EQ(fac.read(kFieldMemo), FieldValue(std::string()));
    EXPECT_EQ(fac.read(kFieldPicture), FieldValue(Bytes{}));
    EXPECT_EQ(fac.read(kFieldExtension), FieldValue(std::string()));
}

TEST_F(FacilityTest, WriteChecksTypesAndReadReturnsTheStoredValueWithItsType) {
    openWith({1});
    struct Case {
        const char* field;
        FieldValue value;
        bool ok;
    };
    const Bytes big(300000, 0x5a);
    const std::vector<Case> cases = {
        {kFieldDate, 40000.5, true},
        {kFieldDate, std::string("x"), false},
        {kFieldMemo, std::string("很长的备忘") + std::string(10000, 'x'), true},
        {kFieldMemo, Bytes{1}, false},
        {kFieldPicture, big, true},
        {kFieldPicture, std::string("x"), false},
        {kFieldExtension, std::string("jpg"), true},
        {kFieldExtension, 1.0, false},
        {"扩展名", std::string("png"), true},
    };
    for (const auto& c : cases) {
        const FieldValue before = fac.read(c.field);
        EXPECT_EQ(fac.write(c.field, c.value).ok, c.ok) << c.field;
        EXPECT_EQ(fac.read(c.field), c.ok ? c.value : before) << c.field;
    }
    fac.close_all();
    ASSERT_TRUE(fac.open("ledgerleaf"));
    EXPECT_EQ(fac.read(kFieldPicture), FieldValue(big));
    EXPECT_EQ(fac.read(kFieldDate), FieldValue(40000.5));
    try {
        fac.write("没有", std::string("x"));
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_EQ(e.platformText(), kFieldMissingText);
    }
}

TEST_F(FacilityTest, EmptinessIsKnownFromMemory) {
    openWith({1});
    EXPECT_TRUE(fac.is_empty(kFieldPicture));
    ASSERT_TRUE(fac.write(kFieldPicture, bytesOf("abc")));
    EXPECT_FALSE(fac.is_empty(kFieldPicture));
    ASSERT_TRUE(fac.write(kFieldPicture, Bytes{}));
    EXPECT_TRUE(fac.is_empty(kFieldPicture));
    EXPECT_TRUE(fac.empty_at(1, fac.field_index(kFieldPicture)));
}

TEST_F(FacilityTest, WritingTheStoredValueAgainDoesNotTouchTheFiles) {
    openWith({1});
    ASSERT_TRUE(fac.write(kFieldPicture, Bytes(200000, 7)));
    ASSERT_TRUE(fac.write(kFieldMemo, std::string("备忘")));
    const auto edb = fs::last_write_time(dir.file("ledgerleaf.edb"));
    const auto edt = fs::last_write_time(dir.file("ledgerleaf.edt"));
    const std::string edtBytes = readFileBytes(dir.file("ledgerleaf.edt"));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(fac.write(kFieldPicture, Bytes(200000, 7)));
        ASSERT_TRUE(fac.write(kFieldMemo, std::string("备忘")));
        ASSERT_TRUE(fac.write(kFieldDate, 1.0));
    }
    // After a reopen nothing has been read yet: the fingerprints in memory decide.
    fac.close_all();
    ASSERT_TRUE(fac.open("ledgerleaf"));
    ASSERT_TRUE(fac.write(kFieldPicture, Bytes(200000, 7)));
    ASSERT_TRUE(fac.write(kFieldMemo, std::string("备忘")));
    EXPECT_EQ(fs::last_write_time(dir.file("ledgerleaf.edb")), edb);
    EXPECT_EQ(fs::last_write_time(dir.file("ledgerleaf.edt")), edt);
    EXPECT_EQ(readFileBytes(dir.file("ledgerleaf.edt")), edtBytes);
    // A value of the same size that differs in one byte is a change.
    Bytes changed(200000, 7);
    changed[123456] = 8;
    ASSERT_TRUE(fac.write(kFieldPicture, changed));
    EXPECT_NE(readFileBytes(dir.file("ledgerleaf.edt")), edtBytes);
    ASSERT_TRUE(fac.write(kFieldPicture, Bytes(200000, 7)));
    fac.close_all();
    ASSERT_TRUE(fac.open("ledgerleaf"));
    EXPECT_EQ(fac.read(kFieldPicture), FieldValue(Bytes(200000, 7)));
}

TEST_F(FacilityTest, WriteFieldOfAnotherTableLeavesCurrentAndCursorsAlone) {
    ASSERT_TRUE(fac.create("memo", memoFields()));
    ASSERT_TRUE(fac.open("ledgerleaf", "new"));
    ASSERT_TRUE(fac.add_blank_record());
    ASSERT_TRUE(fac.add_blank_record());
    fac.go_to(1);
    ASSERT_TRUE(fac.open("memo", "old"));
    for (double d : {1, 2, 3})
        ASSERT_TRUE(fac.add_record(record(d, "v2")));
    fac.go_to(2);

    ASSERT_TRUE(fac.write_field_of(kFieldMemo, "new", std::string("copied")));
    EXPECT_FALSE(fac.write_field_of(kFieldMemo, "new", 3.0)) << "type differs";
    EXPECT_FALSE(fac.write_field_of(kFieldMemo, "missing", std::string("x")));
    EXPECT_EQ(fac.record_number(), 2);
    EXPECT_EQ(memo(), "v2") << "current table is still old";
    ASSERT_TRUE(fac.set_current("ledgerleaf"));
    EXPECT_EQ(fac.record_number(), 1);
    EXPECT_EQ(memo(), "copied");
    fac.go_to(2);
    EXPECT_EQ(memo(), "");
}

TEST_F(FacilityTest, FindStopsOnTheFirstMatchFromTheCursorOrPutsTheCursorBack) {
    openWith({5, 6, 7, 6});
    auto isDay = [&](double day) {
        return [this, day] { return std::get<double>(fac.read(kFieldDate)) == day; };
    };
    fac.go_first();
    ASSERT_TRUE(fac.find(isDay(6)));
    EXPECT_EQ(fac.record_number(), 2);
    fac.skip();
    ASSERT_TRUE(fac.find(isDay(6)));
    EXPECT_EQ(fac.record_number(), 4);
    fac.go_to(3);
    EXPECT_FALSE(fac.find(isDay(5)));
    EXPECT_EQ(fac.record_number(), 3);
}

TEST_F(FacilityTest, ClearEmptiesBothFilesAndRestartsNumbering) {
    openWith({});
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(
            fac.add_record(record(i, std::string(5000, 'x'), std::string(20000, 'p'), "jpg")));
    const auto edbSize = fs::file_size(dir.file("ledgerleaf.edb"));
    const auto edtSize = fs::file_size(dir.file("ledgerleaf.edt"));
    ASSERT_TRUE(fac.clear());
    EXPECT_EQ(fac.record_count(), 0);
    EXPECT_LT(fs::file_size(dir.file("ledgerleaf.edt")), edtSize / 20);
    EXPECT_LE(fs::file_size(dir.file("ledgerleaf.edb")), edbSize);
    ASSERT_TRUE(fac.add_record(record(1, "new")));
    EXPECT_EQ(fac.record_number(), 1);
    fac.close_all();
    ASSERT_TRUE(fac.open("ledgerleaf"));
    EXPECT_EQ(fac.record_count(), 1);
}

TEST_F(FacilityTest, SortToFileWritesAStableAscendingCopyAndKeepsTheCurrentTable) {
    openWith({30, 10, 20, 10});
    fac.go_to(3);
    ASSERT_TRUE(fac.write(kFieldPicture, bytesOf("picture of 20")));
    ASSERT_TRUE(fac.create("temp", {{"x", FieldType::Text, 3}}));  // replaced by the sort
    ASSERT_TRUE(fac.sort_to_file("temp", kFieldDate));
    EXPECT_EQ(fac.record_number(), 3);
    EXPECT_EQ(fac.record_count(), 4);
    EXPECT_FALSE(fac.sort_to_file("temp", kFieldMemo)) << "memo fields do not sort";
    EXPECT_FALSE(fac.sort_to_file("ledgerleaf", kFieldDate)) << "never over an open table";

    ASSERT_TRUE(fac.open("temp", "temp"));
    std::vector<std::pair<double, int>> rows;  // date, original record number from the memo
    for (fac.go_first(); !fac.at_end(); fac.skip())
        rows.push_back({std::get<double>(fac.read(kFieldDate)), 0});
    EXPECT_EQ(rows.size(), 4u);
    std::vector<double> dates;
    for (auto& r : rows)
        dates.push_back(r.first);
    EXPECT_EQ(dates, (std::vector<double>{10, 10, 20, 30}));
    fac.go_to(3);
    EXPECT_EQ(fac.read(kFieldPicture), FieldValue(bytesOf("picture of 20")));
    ASSERT_TRUE(fac.set_current("ledgerleaf"));
    EXPECT_EQ(fac.record_number(), 3);
}

TEST_F(FacilityTest, IsEncryptedForOpenAndClosedTables) {
    ASSERT_TRUE(fac.create("other", memoFields()));
    openWith({1});
    EXPECT_FALSE(fac.is_encrypted("ledgerleaf"));
    ASSERT_TRUE(fac.set_password("秘密"));
    EXPECT_TRUE(fac.is_encrypted("ledgerleaf"));
    EXPECT_TRUE(fac.is_encrypted(utf8FromPath(dir.file("LEDGERLEAF.edb"))));
    fac.close_all();
    EXPECT_TRUE(fac.is_encrypted("ledgerleaf"));
    EXPECT_FALSE(fac.is_encrypted("other"));
    EXPECT_FALSE(fac.is_encrypted("missing"));
}

TEST_F(FacilityTest, PasswordsOpenCheckChangeAndRemove) {
    openWith({1, 2});
    ASSERT_TRUE(fac.set_password("one"));
    fac.close_all();
    struct Attempt {
        std::optional<std::string> password;
        bool opens;
    };
    for (const auto& a : std::vector<Attempt>{
             {std::nullopt, false}, {"", false}, {"two", false}, {"ONE", false}, {"one", true}}) {
        const bool opened = fac.open("ledgerleaf", std::nullopt, a.password).ok;
        EXPECT_EQ(opened, a.opens) << a.password.value_or("(none)");
        if (opened)
            fac.close_all();
    }
    EXPECT_TRUE(fac.check_password("ledgerleaf", "one"));
    EXPECT_FALSE(fac.check_password("ledgerleaf", "two"));

    ASSERT_TRUE(fac.open("ledgerleaf", std::nullopt, "one"));
    EXPECT_TRUE(fac.check_password("ledgerleaf", "one"));
    EXPECT_FALSE(fac.check_password("ledgerleaf", "x"));
    EXPECT_TRUE(fac.has_current()) << "check_password closes nothing";
    fac.go_to(2);
    EXPECT_EQ(memo(), "m2");
    ASSERT_TRUE(fac.set_password("two"));
    EXPECT_EQ(memo(), "m2");
    fac.close_all();
    EXPECT_FALSE(fac.open("ledgerleaf", std::nullopt, "one"));
    ASSERT_TRUE(fac.open("ledgerleaf", std::nullopt, "two"));
    ASSERT_TRUE(fac.set_password(""));
    fac.close_all();
    EXPECT_EQ(fac.open("ledgerleaf", std::nullopt, "two").error, "数据库未加密，不能使用密码打开");
    ASSERT_TRUE(fac.open("ledgerleaf", std::nullopt, ""));
    fac.go_to(2);
    EXPECT_EQ(memo(), "m2");
    EXPECT_TRUE(fac.check_password("ledgerleaf", ""));
    EXPECT_FALSE(fac.check_password("ledgerleaf", "two"));
}

TEST(FacilityDefaults, TheProgramProtectsWithAtLeast64MiBAndThreePasses) {
    TempDir dir;
    RecordFacility fac(dir.path());  // the cost the program uses
    EXPECT_GE(fac.newProtectionParams().memLimit, std::size_t{64} << 20);
    EXPECT_GE(fac.newProtectionParams().opsLimit, 3u);
    MemoDatabase db(fac, dir.path());
    ASSERT_TRUE(db.db_create());
    ASSERT_TRUE(db.db_open());
    ASSERT_TRUE(fac.set_password("pw"));
    fac.close_all();
    TableMeta meta;
    ASSERT_TRUE(StoredTable::probe(dir.file("ledgerleaf.edb"), meta));
    ASSERT_TRUE(meta.protection);
    EXPECT_GE(meta.protection->params.memLimit, std::size_t{64} << 20);
    EXPECT_GE(meta.protection->params.opsLimit, 3u);
    EXPECT_TRUE(db.db_open(std::string("pw")));
}

}  // namespace
}  // namespace ledgerleaf::test

// Conversion of a previous-version diary (memo.edb / memo.edt) into the memo database at start:
// the offer, the copy, the protected old diary, the backups, and every way it can fail.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "fault_vfs.h"
#include "platform/fatal_error.h"
#include "platform/program_exit.h"
#include "platform/scripted_dialogs.h"
#include "store/v2_upgrade.h"
#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

namespace fs = std::filesystem;

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Row = std::tuple<double, std::string, Bytes, std::string>;  // 日期, 备忘, 图片, 扩展名

const char* const kOffer =
    "发现V2版数据库，是否对该数据库进行升级？\r\n选择‘否’会直接创建并使用新的V3版空数据库";
const char* const kUpgraded =
    "您的V2版数据库已成功升级为V3版数据库！\r\n旧数据库已更名为:\r\n"
    "‘ledgerleaf.edb.v2.bak’和‘ledgerleaf.edt.v2.bak’作为备份。\r\n"
    "在您确认新版数据库数据无误的情况下，可以删除上述两个备份文件。";

ShownBox offerBox() {
    return {ShownBox::Kind::Message, kOffer, "注意！", MessageButtons::YesNo};
}
ShownBox okBox(const std::string& text) {
    return {ShownBox::Kind::Message, text, "注意！", MessageButtons::Ok};
}
ShownBox passwordBox() {
    return {ShownBox::Kind::Input, "您原来的数据库已经加密，请输入密码以便升级继续...",
            "请输入原密码"};
}

struct OldRecord {
    double date;
    std::string memo;
};

// A previous-version diary: 备忘 before 日期 and one more field, so that the copy must go by
// field name.
std::vector<FieldDescriptor> oldFields() {
    return {{"天气", FieldType::Text, 10},
            {kFieldMemo, FieldType::Memo, 20},
            {kFieldDate, FieldType::DateTime, 20}};
}

const std::vector<OldRecord> kOldDiary = {
    {40643.0, "第一天\r\n第二行"},
    {40644.75, "带时间的一天"},  // 18:00 stays
    {40650.0, ""},               // an empty memo is copied too
    {40640.0, "更早的一天，排在后面"},
};

class V2UpgradeTest : public ::testing::Test {
  protected:
    // Writes memo.edb / memo.edt with its own facility and closes it.
    void writeOldDiary(const std::vector<OldRecord>& records, const std::string& password = "",
                       const std::vector<FieldDescriptor>& fields = oldFields()) {
        RecordFacility maker(dir.path(), cheapKdf());
        ASSERT_TRUE(maker.create("memo", fields));
        ASSERT_TRUE(maker.open("memo"));
        for (const auto& r : records) {
            ASSERT_TRUE(maker.add_blank_record());
            for (const auto& field : fields) {
                FieldValue value = std::string("晴");
                if (field.name == kFieldDate)
                    value = r.date;
                else if (field.name == kFieldMemo)
                    value = r.memo;
                ASSERT_TRUE(maker.write(field.name, value));
            }
        }
        if (!password.empty()) {
            ASSERT_TRUE(maker.set_password(password));
        }
        maker.close_all();
        oldTable = readFileBytes(dir.file("memo.edb"));
        oldCompanion = readFileBytes(dir.file("memo.edt"));
    }

    bool check() { return upgrade.check_or_upgrade_database(); }

    // The memo database as a second facility finds it on disk (unprotected).
    std::optional<std::vector<Row>> newDiary() const {
        RecordFacility reader(dir.path(), cheapKdf());
        MemoDatabase other(reader, dir.path());
        if (!other.db_open())
            return std::nullopt;
        std::vector<Row> rows;
        other.for_each_record([&] {
            rows.emplace_back(other.read_date(), other.read_memo(), other.read_picture(),
                              other.read_extension());
        });
        return rows;
    }

    static std::vector<Row> rowsOf(const std::vector<OldRecord>& records) {
        std::vector<Row> rows;
        for (const auto& r : records)
            rows.emplace_back(r.date, r.memo, Bytes{}, std::string());
        return rows;
    }

    std::vector<std::string> filesInDir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.push_back(utf8FromPath(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    // The old pair holds exactly what was written, under the given names.
    void expectOldPairUnchanged(const std::string& table, const std::string& companion) const {
        EXPECT_EQ(readFileBytes(dir.file(table)), oldTable) << table;
        EXPECT_EQ(readFileBytes(dir.file(companion)), oldCompanion) << companion;
    }

    // Another start of the program in the same folder: whether it makes the offer.
    bool nextStartOffers() const {
        RecordFacility nextFacility(dir.path(), cheapKdf());
        MemoDatabase nextDb(nextFacility, dir.path());
        ScriptedDialogs nextDialogs;
        ScriptedProgramExit nextExit;
        nextDialogs.expectMessage(MessageAnswer::No);
        V2Upgrade next(nextFacility, nextDb, nextDialogs, nextExit, dir.path());
        next.check_or_upgrade_database();
        return !nextDialogs.shown().empty() && nextDialogs.shown()[0] == offerBox();
    }

    TempDir dir;
    RecordFacility facility{dir.path(), cheapKdf()};
    MemoDatabase db{facility, dir.path()};
    ScriptedDialogs dialogs;
    ScriptedProgramExit exit;
    V2Upgrade upgrade{facility, db, dialogs, exit, dir.path()};
    std::string oldTable;
    std::string oldCompanion;
};

TEST_F(V2UpgradeTest, NoOldDiaryOrAnExistingDiaryAsksNothing) {
    EXPECT_FALSE(check()) << "empty folder";
    EXPECT_THAT(dialogs.shown(), IsEmpty());
    EXPECT_THAT(filesInDir(), IsEmpty());

    writeOldDiary(kOldDiary);
    ASSERT_TRUE(db.db_create());
    EXPECT_TRUE(check()) << "ledgerleaf.edb exists";
    EXPECT_THAT(dialogs.shown(), IsEmpty());
    expectOldPairUnchanged("memo.edb", "memo.edt");
}

TEST_F(V2UpgradeTest, AnswerNoConvertsNothing) {
    writeOldDiary(kOldDiary);
    dialogs.expectMessage(MessageAnswer::No);
    EXPECT_FALSE(check());
    EXPECT_THAT(dialogs.shown(), ElementsAre(offerBox()));
    EXPECT_FALSE(exit.ended());
    EXPECT_THAT(filesInDir(), ElementsAre("memo.edb", "memo.edt"));
    expectOldPairUnchanged("memo.edb", "memo.edt");
    EXPECT_FALSE(facility.has_current());
}

struct ConversionCase {
    const char* name;
    std::vector<OldRecord> records;
    const char* password;  // "" for an unprotected old diary
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

class V2ConversionTest : public V2UpgradeTest,
                         public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(V2ConversionTest, CopiesEveryRecordInOrderAndKeepsTheOldPairAsBackup) {
    const ConversionCase& c = GetParam();
    const bool protectedOld = *c.password != '\0';
    writeOldDiary(c.records, c.password);
    dialogs.expectMessage(MessageAnswer::Yes);
    if (protectedOld)
        dialogs.expectInput(c.password);
    dialogs.expectMessage();

    EXPECT_TRUE(check());

    std::vector<ShownBox> expected = {offerBox()};
    if (protectedOld)
        expected.push_back(passwordBox());
    expected.push_back(okBox(kUpgraded));
    EXPECT_EQ(dialogs.shown(), expected);
    EXPECT_FALSE(exit.ended());
    EXPECT_FALSE(facility.has_current()) << "every database is closed afterwards";

    EXPECT_EQ(newDiary(), rowsOf(c.records));
    EXPECT_FALSE(facility.is_encrypted("ledgerleaf")) << "the new diary has no password";
    EXPECT_THAT(filesInDir(), ElementsAre("ledgerleaf.edb", "ledgerleaf.edb.v2.bak",
                                          "ledgerleaf.edt", "ledgerleaf.edt.v2.bak"));
    expectOldPairUnchanged("ledgerleaf.edb.v2.bak", "ledgerleaf.edt.v2.bak");
    EXPECT_FALSE(nextStartOffers());
}

INSTANTIATE_TEST_SUITE_P(OldDiaries, V2ConversionTest,
                         ::testing::Values(ConversionCase{"Empty", {}, ""},
                                           ConversionCase{"Plain", kOldDiary, ""},
                                           ConversionCase{"Protected", kOldDiary, "旧密码 pw"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PasswordCase {
    const char* name;
    std::optional<std::string> typed;  // nothing: Cancel
};

void PrintTo(const PasswordCase& c, std::ostream* os) {
    *os << c.name;
}

class V2WrongPasswordTest : public V2UpgradeTest,
                            public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(V2WrongPasswordTest, EndsTheProgramAndLeavesTheFolderAsItWas) {
    writeOldDiary(kOldDiary, "旧密码");
    dialogs.expectMessage(MessageAnswer::Yes);
    if (GetParam().typed)
        dialogs.expectInput(*GetParam().typed);
    else
        dialogs.expectInputCancel();
    dialogs.expectMessage();

    check();

    EXPECT_EQ(dialogs.shown(),
              (std::vector<ShownBox>{offerBox(), passwordBox(), okBox("密码有误，程序退出。")}));
    EXPECT_TRUE(exit.ended());
    EXPECT_EQ(exit.code(), 0);
    EXPECT_FALSE(facility.has_current());
    EXPECT_THAT(filesInDir(), ElementsAre("memo.edb", "memo.edt"));
    expectOldPairUnchanged("memo.edb", "memo.edt");
    EXPECT_TRUE(nextStartOffers());
}

INSTANTIATE_TEST_SUITE_P(Passwords, V2WrongPasswordTest,
                         ::testing::Values(PasswordCase{"Cancel", std::nullopt},
                                           PasswordCase{"Empty", std::string()},
                                           PasswordCase{"Wrong", std::string("旧密码x")}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BackupClashCase {
    const char* name;
    const char* present;  // the backup name already taken
    std::vector<std::string> afterwards;
    const char* oldTableName;
    const char* oldCompanionName;
};

void PrintTo(const BackupClashCase& c, std::ostream* os) {
    *os << c.name;
}

class V2BackupClashTest : public V2UpgradeTest,
                          public ::testing::WithParamInterface<BackupClashCase> {};

TEST_P(V2BackupClashTest, CopyCompletesRenameFailsAndNothingIsReplaced) {
    const BackupClashCase& c = GetParam();
    writeOldDiary(kOldDiary);
    const std::string earlier = "an earlier backup";
    writeFileBytes(dir.file(c.present), earlier);
    dialogs.expectMessage(MessageAnswer::Yes);
    dialogs.expectMessage();

    EXPECT_TRUE(check());

    EXPECT_EQ(dialogs.shown(), (std::vector<ShownBox>{offerBox(), okBox("旧数据库更名备份失败")}));
    EXPECT_FALSE(exit.ended());
    EXPECT_EQ(newDiary(), rowsOf(kOldDiary));
    EXPECT_EQ(filesInDir(), c.afterwards);
    EXPECT_EQ(readFileBytes(dir.file(c.present)), earlier);
    expectOldPairUnchanged(c.oldTableName, c.oldCompanionName);
    EXPECT_FALSE(nextStartOffers());
}

INSTANTIATE_TEST_SUITE_P(
    Backups, V2BackupClashTest,
    ::testing::Values(BackupClashCase{"TableBackupPresent",
                                      "ledgerleaf.edb.v2.bak",
                                      {"ledgerleaf.edb", "ledgerleaf.edb.v2.bak", "ledgerleaf.edt",
                                       "memo.edb", "memo.edt"},
                                      "memo.edb",
                                      "memo.edt"},
                      BackupClashCase{"CompanionBackupPresent",
                                      "ledgerleaf.edt.v2.bak",
                                      {"ledgerleaf.edb", "ledgerleaf.edb.v2.bak", "ledgerleaf.edt",
                                       "ledgerleaf.edt.v2.bak", "memo.edt"},
                                      "ledgerleaf.edb.v2.bak",
                                      "memo.edt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(V2UpgradeTest, UnreadableOldDiaryLeavesTheNewEmptyDiaryOpenAndTheStartGoesOn) {
    writeFileBytes(dir.file("memo.edb"), "not a table at all");
    writeFileBytes(dir.file("memo.edt"), "nor this");
    oldTable = readFileBytes(dir.file("memo.edb"));
    oldCompanion = readFileBytes(dir.file("memo.edt"));
    dialogs.expectMessage(MessageAnswer::Yes);
    dialogs.expectMessage();

    EXPECT_TRUE(check());

    EXPECT_EQ(dialogs.shown(), (std::vector<ShownBox>{offerBox(), okBox("打开旧数据库失败")}));
    EXPECT_FALSE(exit.ended());
    EXPECT_TRUE(facility.is_open("new"));
    EXPECT_FALSE(facility.is_open("old"));
    // The start's own open of the diary fails, because it is open already; the start then works
    // on the one that is open and current.
    EXPECT_FALSE(db.db_open());
    ASSERT_TRUE(facility.set_current("ledgerleaf"));
    EXPECT_EQ(db.record_count(), 0);
    EXPECT_TRUE(db.add_day(40643, "新的一天", {}));
    facility.close_all();
    EXPECT_EQ(newDiary(), (std::vector<Row>{{40643.0, "新的一天", Bytes{}, ""}}));
    expectOldPairUnchanged("memo.edb", "memo.edt");
}

TEST_F(V2UpgradeTest, OldDiaryWithoutItsCompanionCannotBeOpened) {
    writeOldDiary(kOldDiary);
    fs::remove(dir.file("memo.edt"));
    dialogs.expectMessage(MessageAnswer::Yes);
    dialogs.expectMessage();
    EXPECT_TRUE(check());
    EXPECT_EQ(dialogs.shown(), (std::vector<ShownBox>{offerBox(), okBox("打开旧数据库失败")}));
    EXPECT_FALSE(exit.ended());
    EXPECT_EQ(readFileBytes(dir.file("memo.edb")), oldTable);
    EXPECT_THAT(filesInDir(), ElementsAre("ledgerleaf.edb", "ledgerleaf.edt", "memo.edb"));
}

// An old table without one of the two fields cannot be read: the facility's fatal error goes on
// to the top level, and no half-made diary is left that a later start would take for finished.
TEST_F(V2UpgradeTest, MissingFieldIsFatalAndLeavesNoHalfMadeDiary) {
    for (const char* missing : {kFieldMemo, kFieldDate}) {
        SCOPED_TRACE(missing);
        std::vector<FieldDescriptor> fields = oldFields();
        std::erase_if(fields, [&](const FieldDescriptor& f) { return f.name == missing; });
        for (const char* name : {"memo.edb", "memo.edt"})
            fs::remove(dir.file(name));
        writeOldDiary(kOldDiary, "", fields);
        dialogs.clear();
        dialogs.expectMessage(MessageAnswer::Yes);

        try {
            check();
            ADD_FAILURE() << "no fatal error";
        } catch (const FatalError& e) {
            EXPECT_EQ(e.platformText(), "指定字段不存在");
        }
        EXPECT_EQ(dialogs.shown(), (std::vector<ShownBox>{offerBox()}));
        EXPECT_FALSE(facility.has_current());
        EXPECT_THAT(filesInDir(), ElementsAre("memo.edb", "memo.edt"));
        expectOldPairUnchanged("memo.edb", "memo.edt");
    }
}

// A 日期 that is not a date-time cannot be written into the new diary: the program ends without
// a message, and the half-made diary is deleted so that the next start offers the conversion
// again instead of silently using an incomplete copy.
TEST_F(V2UpgradeTest, FailedWriteEndsTheProgramAndDeletesTheHalfMadeDiary) {
    RecordFacility maker(dir.path(), cheapKdf());
    ASSERT_TRUE(maker.create(
        "memo", {{kFieldDate, FieldType::Text, 20}, {kFieldMemo, FieldType::Memo, 20}}));
    ASSERT_TRUE(maker.open("memo"));
    ASSERT_TRUE(maker.add_record({std::string("2011年4月10日"), std::string("文字日期")}));
    maker.close_all();
    oldTable = readFileBytes(dir.file("memo.edb"));
    oldCompanion = readFileBytes(dir.file("memo.edt"));
    dialogs.expectMessage(MessageAnswer::Yes);

    check();

    EXPECT_EQ(dialogs.shown(), (std::vector<ShownBox>{offerBox()}));
    EXPECT_TRUE(exit.ended());
    EXPECT_EQ(exit.code(), 0);
    EXPECT_FALSE(facility.has_current());
    EXPECT_THAT(filesInDir(), ElementsAre("memo.edb", "memo.edt"));
    expectOldPairUnchanged("memo.edb", "memo.edt");
    EXPECT_TRUE(nextStartOffers());
}

// The conversion with its Nth write or sync failing, N = 1, 2, 3 ... until it completes: it
// either completes (every record copied, old pair kept as backup) or ends the program with the
// folder as it was before; the old pair is never changed.
TEST_F(V2UpgradeTest, FailedDiskWritesNeverLeaveAHalfMadeDiaryNorTouchTheOldOne) {
    FaultVfs::install();
    // Two records are enough for a failure between records; each more only adds attempts.
    const std::vector<OldRecord> diary(kOldDiary.begin(), kOldDiary.begin() + 2);
    writeOldDiary(diary);
    const std::string table = oldTable;
    const std::string companion = oldCompanion;

    bool completed = false;
    int failures = 0;
    for (int n = 1; n < 500 && !completed; ++n) {
        TempDir work;
        writeFileBytes(work.file("memo.edb"), table);
        writeFileBytes(work.file("memo.edt"), companion);
        RecordFacility workFacility(work.path(), cheapKdf());
        MemoDatabase workDb(workFacility, work.path());
        ScriptedDialogs workDialogs;
        ScriptedProgramExit workExit;
        workDialogs.expectMessage(MessageAnswer::Yes);
        workDialogs.expectMessage();
        V2Upgrade run(workFacility, workDb, workDialogs, workExit, work.path());

        FaultVfs::arm(n);
        run.check_or_upgrade_database();
        FaultVfs::disarm();
        completed = !FaultVfs::fired();

        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(work.path()))
            names.push_back(utf8FromPath(entry.path().filename()));
        std::sort(names.begin(), names.end());
        if (workExit.ended()) {
            ++failures;
            EXPECT_EQ(workExit.code(), 0) << "n=" << n;
            EXPECT_THAT(names, ElementsAre("memo.edb", "memo.edt")) << "n=" << n;
            EXPECT_EQ(readFileBytes(work.file("memo.edb")), table) << "n=" << n;
            EXPECT_EQ(readFileBytes(work.file("memo.edt")), companion) << "n=" << n;
        } else {
            EXPECT_EQ(workDialogs.shown().back(), okBox(kUpgraded)) << "n=" << n;
            EXPECT_THAT(names, ElementsAre("ledgerleaf.edb", "ledgerleaf.edb.v2.bak",
                                           "ledgerleaf.edt", "ledgerleaf.edt.v2.bak"))
                << "n=" << n;
            EXPECT_EQ(readFileBytes(work.file("ledgerleaf.edb.v2.bak")), table) << "n=" << n;
            EXPECT_EQ(readFileBytes(work.file("ledgerleaf.edt.v2.bak")), companion) << "n=" << n;
            RecordFacility reader(work.path(), cheapKdf());
            MemoDatabase readDb(reader, work.path());
            ASSERT_TRUE(readDb.db_open()) << "n=" << n;
            std::vector<Row> rows;
            readDb.for_each_record([&] {
                rows.emplace_back(readDb.read_date(), readDb.read_memo(), readDb.read_picture(),
                                  readDb.read_extension());
            });
            EXPECT_EQ(rows, rowsOf(diary)) << "n=" << n;
        }
        if (HasFailure())
            return;
    }
    EXPECT_TRUE(completed) << "the conversion never completed";
    EXPECT_GT(failures, 0) << "no fault ever hit the conversion";
}

}  // namespace
}  // namespace ledgerleaf::test

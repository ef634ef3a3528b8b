// Every storage operation, with its Nth write or sync failing for N = 1, 2, 3 ... until it
// completes: a failed operation reports failure, and both the open table and the reopened pair
// hold exactly the content from before; a completed one holds the content from after.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "fault_vfs.h"
#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

namespace fs = std::filesystem;

using Row = std::tuple<double, std::string, Bytes, std::string>;

struct Content {
    bool protectedTable = false;
    std::vector<Row> rows;
    bool operator==(const Content&) const = default;
};

void PrintTo(const Content& c, std::ostream* os) {
    *os << (c.protectedTable ? "protected, " : "plain, ") << c.rows.size() << " rows";
}

Content contentOf(RecordFacility& facility, MemoDatabase& db) {
    Content c;
    c.protectedTable = facility.is_encrypted("ledgerleaf");
    db.for_each_record([&] {
        c.rows.emplace_back(db.read_date(), db.read_memo(), db.read_picture(), db.read_extension());
    });
    return c;
}

// Opens the pair with whichever of the passwords fits and reads everything.
std::optional<Content> reopen(const fs::path& dir, const std::vector<std::string>& passwords) {
    RecordFacility facility(dir, cheapKdf());
    MemoDatabase db(facility, dir);
    for (const auto& pw : passwords) {
        const bool opened = pw.empty() ? db.db_open() : db.db_open(pw);
        if (opened)
            return contentOf(facility, db);
    }
    return std::nullopt;
}

struct Operation {
    const char* name;
    const char* startPassword;  // "" for a plain diary
    std::function<bool(RecordFacility&, MemoDatabase&)> run;
    std::function<void(Content&)> expectedChange;  // how the content after differs
};

const Operation kOperations[] = {
    {"AddDay", "",
     [](RecordFacility&, MemoDatabase& db) {
         return db.add_day(40100, "新增的一天", Bytes(50000, 9), "png");
     },
     [](Content& c) { c.rows.emplace_back(40100.0, "新增的一天", Bytes(50000, 9), "png"); }},
    {"WriteMemo", "",
     [](RecordFacility&, MemoDatabase& db) {
         return db.find_day(40002) && db.write_field(kFieldMemo, std::string(4000, 'w'));
     },
     [](Content& c) { std::get<1>(c.rows[2]) = std::string(4000, 'w'); }},
    {"WritePictureProtected", "old",
     [](RecordFacility&, MemoDatabase& db) {
         return db.find_day(40001) && db.write_field(kFieldPicture, Bytes(70000, 3));
     },
     [](Content& c) { std::get<2>(c.rows[1]) = Bytes(70000, 3); }},
    {"WriteDate", "",
     [](RecordFacility&, MemoDatabase& db) {
         return db.find_day(40003) && db.write_field(kFieldDate, 40200.0);
     },
     [](Content& c) { std::get<0>(c.rows[3]) = 40200.0; }},
    {"SetPassword", "", [](RecordFacility& f, MemoDatabase&) { return f.set_password("new").ok; },
     [](Content& c) { c.protectedTable = true; }},
    {"ChangePassword", "old",
     [](RecordFacility& f, MemoDatabase&) { return f.set_password("new").ok; }, [](Content&) {}},
    {"RemovePassword", "old",
     [](RecordFacility& f, MemoDatabase&) { return f.set_password("").ok; },
     [](Content& c) { c.protectedTable = false; }},
    {"Clear", "", [](RecordFacility&, MemoDatabase& db) { return db.clear_all(); },
     [](Content& c) { c.rows.clear(); }},
};

class IoFaultTest : public ::testing::TestWithParam<Operation> {};

TEST_P(IoFaultTest, FailedOperationLeavesThePreviousContent) {
    FaultVfs::install();
    const Operation& op = GetParam();
    const std::string startPassword = op.startPassword;

    // The diary every attempt starts from.
    TempDir base;
    {
        RecordFacility facility(base.path(), cheapKdf());
        MemoDatabase db(facility, base.path());
        ASSERT_TRUE(db.db_create());
        ASSERT_TRUE(db.db_open());
        for (int i = 0; i < 6; ++i)
            ASSERT_TRUE(db.add_day(40000 + i, "第" + std::to_string(i) + "天",
                                   i % 2 ? Bytes(20000 + i, i) : Bytes{}, i % 2 ? "jpg" : ""));
        if (!startPassword.empty()) {
            ASSERT_TRUE(facility.set_password(startPassword));
        }
    }
    const auto before = reopen(base.path(), {startPassword});
    ASSERT_TRUE(before);
    Content after = *before;
    op.expectedChange(after);
    const std::vector<std::string> passwords = {"", "old", "new"};

    bool completed = false;
    int failures = 0;
    for (int n = 1; n < 400 && !completed; ++n) {
        TempDir work;
        for (const char* file : {"ledgerleaf.edb", "ledgerleaf.edt"})
            fs::copy_file(base.file(file), work.file(file));
        RecordFacility facility(work.path(), cheapKdf());
        MemoDatabase db(facility, work.path());
        ASSERT_TRUE(startPassword.empty() ? db.db_open() : db.db_open(startPassword));

        FaultVfs::arm(n);
        const bool ok = op.run(facility, db);
        FaultVfs::disarm();
        const bool fired = FaultVfs::fired();
        completed = ok && !fired;
        if (!ok) {
            ++failures;
            EXPECT_TRUE(fired) << "failed without a fault, n=" << n;
        }
        EXPECT_EQ(contentOf(facility, db), ok ? after : *before) << "open table, n=" << n;
        db.close_all();
        EXPECT_EQ(reopen(work.path(), passwords), ok ? after : *before) << "reopened, n=" << n;
        for (const auto& entry : fs::directory_iterator(work.path())) {
            const std::string name = utf8FromPath(entry.path().filename());
            EXPECT_TRUE(name == "ledgerleaf.edb" || name == "ledgerleaf.edt")
                << "left behind: " << name << ", n=" << n;
        }
        if (HasFailure())
            return;
    }
    EXPECT_TRUE(completed) << "the operation never completed";
    EXPECT_GT(failures, 0) << "no fault ever hit the operation";
}

INSTANTIATE_TEST_SUITE_P(Operations, IoFaultTest, ::testing::ValuesIn(kOperations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ledgerleaf::test

namespace ledgerleaf::test {
namespace {

// Sorting into a new pair under the same faults: a failure leaves no part of the new pair and
// the source untouched; a success leaves a complete sorted copy.
TEST(IoFaultSortTest, FailedSortLeavesNoPartialCopy) {
    FaultVfs::install();
    TempDir base;
    {
        RecordFacility facility(base.path(), cheapKdf());
        MemoDatabase db(facility, base.path());
        ASSERT_TRUE(db.db_create());
        ASSERT_TRUE(db.db_open());
        for (int i = 0; i < 5; ++i)
            ASSERT_TRUE(db.add_day(40010 - i, "第" + std::to_string(i) + "天", Bytes(9000, i)));
    }
    const auto before = reopen(base.path(), {""});
    ASSERT_TRUE(before);
    Content sorted = *before;
    std::reverse(sorted.rows.begin(), sorted.rows.end());

    bool completed = false;
    for (int n = 1; n < 400 && !completed; ++n) {
        TempDir work;
        for (const char* file : {"ledgerleaf.edb", "ledgerleaf.edt"})
            fs::copy_file(base.file(file), work.file(file));
        RecordFacility facility(work.path(), cheapKdf());
        MemoDatabase db(facility, work.path());
        ASSERT_TRUE(db.db_open());
        FaultVfs::arm(n);
        const bool ok = facility.sort_to_file("temp", kFieldDate).ok;
        FaultVfs::disarm();
        completed = ok && !FaultVfs::fired();
        EXPECT_EQ(contentOf(facility, db), *before) << "n=" << n;
        db.close_all();
        EXPECT_EQ(reopen(work.path(), {""}), *before) << "n=" << n;
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(work.path()))
            names.push_back(utf8FromPath(entry.path().filename()));
        std::sort(names.begin(), names.end());
        if (ok) {
            EXPECT_EQ(names, (std::vector<std::string>{"ledgerleaf.edb", "ledgerleaf.edt",
                                                       "temp.edb", "temp.edt"}))
                << "n=" << n;
            RecordFacility check(work.path(), cheapKdf());
            ASSERT_TRUE(check.open("temp"));
            Content copy;
            for (check.go_first(); !check.at_end(); check.skip())
                copy.rows.emplace_back(std::get<double>(check.read(kFieldDate)),
                                       std::get<std::string>(check.read(kFieldMemo)),
                                       std::get<Bytes>(check.read(kFieldPicture)),
                                       std::get<std::string>(check.read(kFieldExtension)));
            EXPECT_EQ(copy, sorted) << "n=" << n;
        } else {
            EXPECT_EQ(names, (std::vector<std::string>{"ledgerleaf.edb", "ledgerleaf.edt"}))
                << "n=" << n;
        }
        if (HasFailure())
            return;
    }
    EXPECT_TRUE(completed);
}

}  // namespace
}  // namespace ledgerleaf::test

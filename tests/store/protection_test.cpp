#include <gtest/gtest.h>
#include <sqlite3.h>

#include <bit>

#include "platform/fatal_error.h"
#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

namespace fs = std::filesystem;

constexpr double kSecretDay = 41234;  // 2012-11-20
const std::string kSecretMemo = "秘密日记：今天在颐和园遇见了老同学";
const std::string kLaterMemo = "加密以后写下的另一段心事";
const std::string kPictureMark = "PICTURE-MARK-0123456789-PICTURE";

std::string doubleBytes(double value, bool bigEndian) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string out(8, '\0');
    for (int i = 0; i < 8; ++i)
        out[bigEndian ? 7 - i : i] = static_cast<char>(bits >> (8 * i));
    return out;
}

// Every file of the folder whose name starts with `stem` (the pair and any journal).
std::vector<fs::path> filesOf(const fs::path& dir, const std::string& stem) {
    std::vector<fs::path> out;
    for (const auto& entry : fs::directory_iterator(dir))
        if (utf8FromPath(entry.path().filename()).rfind(stem, 0) == 0)
            out.push_back(entry.path());
    return out;
}

// The plaintexts found in the files of a table.
std::vector<std::string> plaintextFound(const fs::path& dir, const std::string& stem,
                                        const std::vector<std::string>& secrets) {
    std::vector<std::string> found;
    for (const auto& file : filesOf(dir, stem)) {
        const std::string bytes = readFileBytes(file);
        for (const auto& secret : secrets)
            if (bytes.find(secret) != std::string::npos)
                found.push_back(utf8FromPath(file.filename()) + " holds " + secret);
    }
    return found;
}

class ProtectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(f.db.db_create());
        ASSERT_TRUE(f.db.db_open());
        ASSERT_TRUE(f.db.add_day(kSecretDay - 1, "普通的一天", {}));
        ASSERT_TRUE(f.db.add_day(kSecretDay, kSecretMemo, bytesOf(kPictureMark), "jpg"));
        secrets = {kSecretMemo, kPictureMark, doubleBytes(kSecretDay, true),
                   doubleBytes(kSecretDay, false)};
    }
    std::vector<std::string> leaks(const std::string& stem = "ledgerleaf") {
        return plaintextFound(f.dir.path(), stem, secrets);
    }
    DiaryFixture f;
    std::vector<std::string> secrets;
};

TEST_F(ProtectionTest, NoPlaintextInAnyFileWhileProtected) {
    // The search itself finds the plaintext of an unprotected pair.
    EXPECT_EQ(leaks().size(), 3u) << "memo, picture and the big-endian date are plain";

    ASSERT_TRUE(f.facility.set_password("第一个密码"));
    EXPECT_TRUE(leaks().empty()) << ::testing::PrintToString(leaks());

    ASSERT_TRUE(f.db.find_day(kSecretDay - 1));
    ASSERT_TRUE(f.db.write_field(kFieldMemo, kLaterMemo));
    secrets.push_back(kLaterMemo);
    EXPECT_TRUE(leaks().empty()) << ::testing::PrintToString(leaks());

    ASSERT_TRUE(f.facility.set_password("second"));
    EXPECT_TRUE(leaks().empty()) << ::testing::PrintToString(leaks());
    f.db.close_all();
    EXPECT_FALSE(f.db.db_open(std::string("第一个密码")));
    ASSERT_TRUE(f.db.db_open(std::string("second")));
    ASSERT_TRUE(f.db.find_day(kSecretDay));
    EXPECT_EQ(f.db.read_memo(), kSecretMemo);
    EXPECT_EQ(f.db.read_picture(), bytesOf(kPictureMark));

    ASSERT_TRUE(f.facility.set_password(""));
    EXPECT_FALSE(f.facility.is_encrypted("ledgerleaf"));
    EXPECT_FALSE(leaks().empty()) << "an unprotected pair is plain SQLite again";
    f.db.close_all();
    ASSERT_TRUE(f.db.db_open());
    ASSERT_TRUE(f.db.find_day(kSecretDay - 1));
    EXPECT_EQ(f.db.read_memo(), kLaterMemo);
}

TEST_F(ProtectionTest, CheckPasswordLeavesTheOpenTableUsable) {
    ASSERT_TRUE(f.facility.set_password("pw"));
    EXPECT_FALSE(f.facility.check_password("ledgerleaf", "wrong"));
    EXPECT_TRUE(f.facility.check_password("ledgerleaf", "pw"));
    ASSERT_TRUE(f.db.find_day(kSecretDay));
    EXPECT_EQ(f.db.read_memo(), kSecretMemo);
    ASSERT_TRUE(f.db.write_field(kFieldMemo, std::string("still writable")));
    EXPECT_EQ(f.db.read_memo(), "still writable");
}

TEST_F(ProtectionTest, SortToFileKeepsTheProtection) {
    ASSERT_TRUE(f.facility.set_password("pw"));
    ASSERT_TRUE(f.facility.sort_to_file("temp", kFieldDate));
    EXPECT_TRUE(f.facility.is_encrypted("temp"));
    EXPECT_TRUE(leaks("temp").empty()) << ::testing::PrintToString(leaks("temp"));
    EXPECT_FALSE(f.facility.open("temp", "temp"));
    EXPECT_FALSE(f.facility.open("temp", "temp", "wrong"));
    ASSERT_TRUE(f.facility.open("temp", "temp", "pw"));
    f.facility.go_to(2);
    EXPECT_EQ(f.facility.read(kFieldMemo), FieldValue(kSecretMemo));
    EXPECT_EQ(f.facility.read(kFieldDate), FieldValue(kSecretDay));
}

TEST_F(ProtectionTest, ASealedValueMovedToAnotherRecordDoesNotOpen) {
    ASSERT_TRUE(f.facility.set_password("pw"));
    f.db.close_all();
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(utf8FromPath(f.edt()).c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw,
                           "UPDATE vals SET data = (SELECT data FROM vals WHERE number = 2 AND"
                           " field = 2) WHERE number = 1 AND field = 2",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    ASSERT_TRUE(f.db.db_open(std::string("pw")));
    f.db.go_to_record(1);
    try {
        f.db.read_memo();
        FAIL() << "a moved value was accepted";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.platformText(), kTypeMismatchText);
    }
}

}  // namespace
}  // namespace ledgerleaf::test

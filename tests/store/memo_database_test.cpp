#include <gtest/gtest.h>

#include <map>

#include "core/date_time.h"
#include "platform/fatal_error.h"
#include "store_fixture.h"

namespace ledgerleaf::test {
namespace {

constexpr double kApril10 = 40643;  // 2011-04-10

class MemoDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(f.db.db_exists());
        ASSERT_TRUE(f.db.db_create());
        ASSERT_TRUE(f.db.db_exists());
        ASSERT_TRUE(f.db.db_open());
    }
    DiaryFixture f;
};

TEST_F(MemoDatabaseTest, EmptyTableFindsNothingAndListsNothing) {
    EXPECT_EQ(f.db.record_count(), 0);
    EXPECT_FALSE(f.db.find_day(kApril10));
    int visits = 0;
    f.db.for_each_record([&] { ++visits; });
    f.db.for_each_summary([&](const RecordSummary&) { ++visits; });
    EXPECT_EQ(visits, 0);
}

TEST_F(MemoDatabaseTest, CreateDoesNotOpenAndMakesFourFieldsInOrder) {
    RecordFacility other(f.dir.path(), cheapKdf());
    ASSERT_TRUE(other.open("ledgerleaf", "x"));
    EXPECT_EQ(other.field_index(kFieldDate), 0);
    EXPECT_EQ(other.field_index(kFieldMemo), 1);
    EXPECT_EQ(other.field_index(kFieldPicture), 2);
    EXPECT_EQ(other.field_index(kFieldExtension), 3);
    EXPECT_EQ(other.field_type(0), FieldType::DateTime);
    EXPECT_EQ(other.field_type(1), FieldType::Memo);
    EXPECT_EQ(other.field_type(2), FieldType::ByteSet);
    EXPECT_EQ(other.field_type(3), FieldType::Text);
    EXPECT_FALSE(other.open("ledgerleaf")) << "only one open per file within one facility";
}

TEST_F(MemoDatabaseTest, AddDayStoresDatePartAndFindsItByAnyTimeOfThatDay) {
    ASSERT_TRUE(f.db.add_day(kApril10 + 0.75, "今天下雨", bytesOf("PNG..."), "png"));
    EXPECT_EQ(f.db.record_number(), 1);
    ASSERT_TRUE(f.db.add_day(kApril10 + 1, "明天", {}));
    EXPECT_EQ(f.db.record_number(), 2);

    ASSERT_TRUE(f.db.find_day(kApril10 + 0.3));
    EXPECT_EQ(f.db.record_number(), 1);
    EXPECT_EQ(f.db.read_date(), kApril10);
    EXPECT_EQ(f.db.read_memo(), "今天下雨");
    EXPECT_EQ(f.db.read_picture(), bytesOf("PNG..."));
    EXPECT_EQ(f.db.read_extension(), "png");
    EXPECT_FALSE(f.db.picture_empty());

    ASSERT_TRUE(f.db.find_day(kApril10 + 1));
    EXPECT_EQ(f.db.read_extension(), "");
    EXPECT_TRUE(f.db.picture_empty());
    EXPECT_FALSE(f.db.find_day(kApril10 - 1));
}

TEST_F(MemoDatabaseTest, EmptiedDayKeepsItsRecordButIsNotValid) {
    ASSERT_TRUE(f.db.add_day(kApril10, "写了又删", {}));
    ASSERT_TRUE(f.db.add_day(kApril10 + 1, "", bytesOf("jpegbytes"), "jpg"));
    ASSERT_TRUE(f.db.find_day(kApril10));
    ASSERT_TRUE(f.db.write_field(kFieldMemo, std::string()));
    EXPECT_EQ(f.db.record_count(), 2);
    std::map<int, bool> valid;
    f.db.for_each_summary([&](const RecordSummary& s) { valid[s.number] = s.valid(); });
    EXPECT_EQ(valid, (std::map<int, bool>{{1, false}, {2, true}}));
}

TEST_F(MemoDatabaseTest, TwoRecordsOfOneDayAreServedByTheFirst) {
    ASSERT_TRUE(f.db.add_day(kApril10, "first", {}));
    ASSERT_TRUE(f.db.add_day(kApril10, "second", {}));
    ASSERT_TRUE(f.db.find_day(kApril10));
    EXPECT_EQ(f.db.record_number(), 1);
}

TEST_F(MemoDatabaseTest, DatesOutsideTheRangeCompareAsTheBounds) {
    ASSERT_TRUE(f.db.add_day(kFirstDay - 5000, "far past", {}));
    ASSERT_TRUE(f.db.add_day(kLastDay + 5000, "far future", {}));
    ASSERT_TRUE(f.db.find_day(kFirstDay));
    EXPECT_EQ(f.db.read_memo(), "far past");
    ASSERT_TRUE(f.db.find_day(kLastDay + 1e9));
    EXPECT_EQ(f.db.read_memo(), "far future");
}

TEST_F(MemoDatabaseTest, ForEachRecordVisitsInRecordOrderWithTheCursorOnEach) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(f.db.add_day(kApril10 - i, "m" + std::to_string(i), {}));
    std::vector<std::string> memos;
    std::vector<int> numbers;
    f.db.for_each_record([&] {
        memos.push_back(f.db.read_memo());
        numbers.push_back(f.db.record_number());
    });
    EXPECT_EQ(memos, (std::vector<std::string>{"m0", "m1", "m2"}));
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
    f.db.go_to_record(2);
    EXPECT_EQ(f.db.read_memo(), "m1");
}

TEST_F(MemoDatabaseTest, ValuesSurviveReopenAndClearEmptiesTheTable) {
    ASSERT_TRUE(f.db.add_day(kApril10, "留下来", bytesOf("pic"), "bmp"));
    f.db.close_all();
    ASSERT_TRUE(f.db.db_open());
    ASSERT_TRUE(f.db.find_day(kApril10));
    EXPECT_EQ(f.db.read_memo(), "留下来");
    ASSERT_TRUE(f.db.clear_all());
    EXPECT_EQ(f.db.record_count(), 0);
    ASSERT_TRUE(f.db.add_day(kApril10, "again", {}));
    EXPECT_EQ(f.db.record_number(), 1);
}

TEST_F(MemoDatabaseTest, WriteOfTheWrongTypeFails) {
    ASSERT_TRUE(f.db.add_day(kApril10, "x", {}));
    EXPECT_FALSE(f.db.write_field(kFieldMemo, Bytes{1, 2}));
    EXPECT_FALSE(f.db.write_field(kFieldDate, std::string("2011年4月10日")));
    EXPECT_TRUE(f.db.write_field(kFieldPicture, Bytes{1, 2}));
}

TEST_F(MemoDatabaseTest, FatalFaultsCarryThePlatformText) {
    ASSERT_TRUE(f.db.add_day(kApril10, "x", {}));
    try {
        f.db.read_field("天气");
        FAIL() << "no error for a missing field";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.platformText(), kFieldMissingText);
    }
    f.db.close_all();
    try {
        f.db.find_day(kApril10);
        FAIL() << "no error without a current database";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.platformText(), kNoCurrentDatabaseText);
    }
    EXPECT_THROW(f.db.read_memo(), FatalError);
}

TEST(MemoDatabaseSchemaTest, AStoredFieldOfAnotherTypeIsADamagedDatabase) {
    TempDir dir;
    RecordFacility facility(dir.path(), cheapKdf());
    // A table named like the diary whose 日期 is a text field.
    ASSERT_TRUE(facility.create("ledgerleaf", {{kFieldDate, FieldType::Text, 20},
                                               {kFieldMemo, FieldType::Memo, 20},
                                               {kFieldPicture, FieldType::ByteSet, 20},
                                               {kFieldExtension, FieldType::Text, 3}}));
    MemoDatabase db(facility, dir.path());
    ASSERT_TRUE(db.db_open());
    ASSERT_TRUE(
        facility.add_record({std::string("2011"), std::string("m"), Bytes{}, std::string()}));
    try {
        db.read_date();
        FAIL() << "no error for a text date";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.platformText(), kTypeMismatchText);
    }
    EXPECT_THROW(db.find_day(kApril10), FatalError);
}

}  // namespace
}  // namespace ledgerleaf::test

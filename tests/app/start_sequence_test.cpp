// The start of the program: guard, first start, password prompt, splash, hand-over to the desk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/cover_window.h"
#include "app/start_sequence.h"
#include "desk/bookend_bar.h"
#include "desk/desk_window.h"
#include "desk_fixture.h"
#include "platform/instance_guard.h"
#include "platform/widgets/picture_box.h"
#include "platform/widgets/sorted_list_box.h"
#include "temp_dir.h"

namespace ledgerleaf {
namespace {

using test::ProgramFixture;
using test::settle;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string uniqueGuardName() {
    static int n = 0;
    return "ledgerleaf-test-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
           std::to_string(++n);
}

class StartTest : public ::testing::Test {
  protected:
    void start() {
        services = std::make_unique<AppServices>(
            AppServices{program.dir.path(), program.dialogs, program.clock, program.exit,
                        program.facility, program.db, guardName});
        sequence = std::make_unique<StartSequence>(*services, cover);
        sequence->run();
        settle();
    }

    QWidget* deskChild(const char* name) const {
        return sequence->desk()->findChild<QWidget*>(QString::fromUtf8(name));
    }

    // A diary with one record for 2011-04-10, written before the program starts.
    void writeToday(const std::string& memo, const Bytes& picture, const std::string& ext) {
        program.createAndOpen();
        ASSERT_TRUE(program.db.add_day(program.clock.today(), memo, picture, ext));
        program.facility.close_all();
    }

    std::string guardName = uniqueGuardName();
    ProgramFixture program;
    CoverWindow cover;
    std::unique_ptr<AppServices> services;
    std::unique_ptr<StartSequence> sequence;
};

TEST_F(StartTest, FirstStartInAnEmptyFolderCreatesTheDiaryAndOpensTheDeskAfterTheSplash) {
    program.dialogs.expectMessage();
    program.dialogs.expectMessage();
    start();

    ASSERT_EQ(program.dialogs.shown().size(), 2u);
    EXPECT_EQ(program.dialogs.shown()[0].text, "没有发现可用数据库，程序将自动创建新数据库");
    EXPECT_EQ(program.dialogs.shown()[0].title, "信息：");
    EXPECT_EQ(program.dialogs.shown()[1].text, "已建立新数据库，欢迎您继续使用本软件！");
    EXPECT_EQ(program.dialogs.shown()[1].title, "注意！");
    EXPECT_THAT(program.dialogs.unexpected(), IsEmpty());

    EXPECT_TRUE(std::filesystem::exists(program.dir.file("ledgerleaf.edb")));
    EXPECT_TRUE(std::filesystem::exists(program.dir.file("ledgerleaf.edt")));
    EXPECT_THAT(program.clock.waits(), ElementsAre(1000));
    EXPECT_EQ(sequence->encryptedAtStart(), 0);

    ASSERT_NE(sequence->desk(), nullptr);
    EXPECT_TRUE(sequence->desk()->isVisible());
    EXPECT_FALSE(cover.isVisible());
    EXPECT_FALSE(sequence->desk()->panelOpen());
    EXPECT_TRUE(static_cast<QPlainTextEdit*>(deskChild("备忘编辑框"))->toPlainText().isEmpty());
    EXPECT_EQ(static_cast<SortedListBox*>(deskChild("本月备忘列表框"))->count(), 0);
    EXPECT_EQ(static_cast<QLabel*>(deskChild("数据库情况状态栏"))->text(),
              QStringLiteral("2011年4月无有效记录！|目前数据库中共有0条记录"));
    ASSERT_NE(sequence->bookendBar(), nullptr);
    EXPECT_FALSE(sequence->bookendBar()->isVisible());
    EXPECT_EQ(sequence->bookendBar()->size(), QSize(380, 2));
    EXPECT_FALSE(program.exit.ended());

    // The new table has the four fields, in order, with nothing in it.
    EXPECT_EQ(program.db.record_count(), 0);
}

TEST_F(StartTest, SecondCopyIsRefusedAndTheFirstKeepsItsGuard) {
    auto first = InstanceGuard::acquire(guardName);
    ASSERT_NE(first, nullptr);
    program.dialogs.expectMessage();
    start();
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_EQ(program.dialogs.shown()[0].text, "不要重复运行本程序，可能会损坏数据库!");
    EXPECT_EQ(program.dialogs.shown()[0].title, "注意！");
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), 0);
    EXPECT_EQ(sequence->desk(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(program.dir.file("ledgerleaf.edb")));
    // The first copy still holds the guard.
    EXPECT_EQ(InstanceGuard::acquire(guardName), nullptr);
}

TEST_F(StartTest, ProtectedDiaryAsksForThePasswordWithoutSplash) {
    program.createAndOpen();
    ASSERT_TRUE(program.facility.set_password("秘密 word"));
    program.facility.close_all();

    start();
    EXPECT_THAT(program.dialogs.shown(), IsEmpty());
    EXPECT_THAT(program.clock.waits(), IsEmpty());
    EXPECT_EQ(sequence->encryptedAtStart(), 1);
    EXPECT_TRUE(cover.isVisible());
    EXPECT_TRUE(cover.promptLabel()->isVisible());
    EXPECT_EQ(cover.promptLabel()->text(), QStringLiteral("请输入密码："));
    EXPECT_TRUE(cover.passwordEdit()->isVisible());
    EXPECT_EQ(cover.passwordEdit()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(cover.focusWidget(), cover.passwordEdit());
    EXPECT_EQ(sequence->desk(), nullptr);

    // A wrong entry: the message, the field emptied and focused; the right one opens the desk.
    cover.passwordEdit()->setText(QStringLiteral("wrong"));
    program.dialogs.expectMessage();
    cover.confirmButton()->click();
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_EQ(program.dialogs.shown()[0].text, "密码错误，请重新输入或者退出程序");
    EXPECT_EQ(program.dialogs.shown()[0].title, "注意！");
    EXPECT_TRUE(cover.passwordEdit()->text().isEmpty());
    EXPECT_EQ(sequence->desk(), nullptr);

    cover.passwordEdit()->setText(QStringLiteral("秘密 word"));
    cover.confirmButton()->click();
    settle();
    ASSERT_NE(sequence->desk(), nullptr);
    EXPECT_TRUE(sequence->desk()->isVisible());
    EXPECT_TRUE(deskChild("已锁图片框")->isVisible());
    EXPECT_FALSE(deskChild("未锁图片框")->isVisible());
}

TEST_F(StartTest, ClosingTheCoverWhileItAsksForThePasswordEndsTheProgram) {
    program.createAndOpen();
    ASSERT_TRUE(program.facility.set_password("pw"));
    program.facility.close_all();
    start();
    cover.close();
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), 0);
}

TEST_F(StartTest, StartOnADayWithAPictureOpensThePanelAndShowsIt) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    writeToday("今天去了公园", Bytes(png.begin(), png.end()), "bmp");

    start();
    ASSERT_NE(sequence->desk(), nullptr);
    EXPECT_TRUE(sequence->desk()->panelOpen());
    auto* picture = static_cast<PictureBox*>(deskChild("图片框"));
    EXPECT_TRUE(picture->hasPicture());
    EXPECT_EQ(picture->pictureRect().size(), QSize(40, 30));
    EXPECT_EQ(static_cast<QPlainTextEdit*>(deskChild("备忘编辑框"))->toPlainText(),
              QStringLiteral("今天去了公园"));
    EXPECT_THAT(static_cast<SortedListBox*>(deskChild("本月备忘列表框"))->texts(),
                ElementsAre(QStringLiteral("2011年4月10日(P)")));
    // Loading wrote nothing.
    EXPECT_EQ(program.db.record_count(), 1);
}

TEST_F(StartTest, DamagedDiaryEndsWithTheErrorReportAndIsLeftUntouched) {
    const std::string garbage = "this is not a diary table, just some bytes\n";
    test::writeFileBytes(program.dir.file("ledgerleaf.edb"), garbage);
    test::writeFileBytes(program.dir.file("ledgerleaf.edt"), garbage);
    program.dialogs.expectErrorReport();
    start();
    ASSERT_FALSE(program.dialogs.shown().empty());
    EXPECT_EQ(program.dialogs.shown().back().kind, ShownBox::Kind::Error);
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), -1);
    EXPECT_EQ(test::readFileBytes(program.dir.file("ledgerleaf.edb")), garbage);
    EXPECT_EQ(test::readFileBytes(program.dir.file("ledgerleaf.edt")), garbage);
}

TEST_F(StartTest, CloseButtonClosesTheDiaryShowsTheClosedBookAndEnds) {
    program.dialogs.expectMessage();
    program.dialogs.expectMessage();
    start();
    ASSERT_NE(sequence->desk(), nullptr);
    sequence->desk()->move(100, 80);
    static_cast<QPushButton*>(deskChild("关闭程序按钮"))->click();
    EXPECT_THAT(program.clock.waits(), ElementsAre(1000, 500));
    EXPECT_EQ(cover.pos(), QPoint(550, 80));
    EXPECT_FALSE(cover.isVisible());
    EXPECT_FALSE(sequence->desk()->isVisible());
    EXPECT_FALSE(program.facility.has_current());
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), 0);
}

TEST_F(StartTest, WindowSystemCloseOfTheDeskEndsTheProgramToo) {
    program.dialogs.expectMessage();
    program.dialogs.expectMessage();
    start();
    ASSERT_NE(sequence->desk(), nullptr);
    sequence->desk()->close();
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), 0);
}

TEST_F(StartTest, StoredValueOfTheWrongTypeEndsWithTheErrorReportAndIsLeftUntouched) {
    // A table named like the diary whose 日期 holds text.
    ASSERT_TRUE(program.facility.create("ledgerleaf", {{kFieldDate, FieldType::Text, 20},
                                                       {kFieldMemo, FieldType::Memo, 20},
                                                       {kFieldPicture, FieldType::ByteSet, 20},
                                                       {kFieldExtension, FieldType::Text, 3}}));
    ASSERT_TRUE(program.db.db_open());
    ASSERT_TRUE(program.facility.add_record(
        {std::string("2011年4月10日"), std::string("memo"), Bytes{}, std::string()}));
    program.facility.close_all();
    const std::string edb = test::readFileBytes(program.dir.file("ledgerleaf.edb"));
    const std::string edt = test::readFileBytes(program.dir.file("ledgerleaf.edt"));

    program.dialogs.expectErrorReport();
    start();
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_EQ(program.dialogs.shown()[0].kind, ShownBox::Kind::Error);
    EXPECT_EQ(program.dialogs.shown()[0].text, "数据类型不匹配");
    EXPECT_EQ(errorReportText("数据类型不匹配"), "运行时出错!\n\n错误信息：数据类型不匹配");
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), -1);
    program.facility.close_all();
    EXPECT_EQ(test::readFileBytes(program.dir.file("ledgerleaf.edb")), edb);
    EXPECT_EQ(test::readFileBytes(program.dir.file("ledgerleaf.edt")), edt);
}

TEST_F(StartTest, AfterThePasswordIsRemovedTheNextStartAsksNothingAndShowsTheSplash) {
    program.createAndOpen();
    ASSERT_TRUE(program.facility.set_password("pw"));
    program.facility.close_all();
    start();
    cover.passwordEdit()->setText(QStringLiteral("pw"));
    cover.confirmButton()->click();
    settle();
    ASSERT_NE(sequence->desk(), nullptr);

    program.dialogs.expectInput("pw");
    program.dialogs.expectInput("");
    program.dialogs.expectMessage();
    QTest::mouseDClick(deskChild("已锁图片框"), Qt::LeftButton);
    EXPECT_TRUE(deskChild("未锁图片框")->isVisible());
    EXPECT_THAT(program.dialogs.unexpected(), IsEmpty());

    // The next start of the program.
    sequence.reset();
    program.facility.close_all();
    program.dialogs.clear();
    CoverWindow nextCover;
    StartSequence next(*services, nextCover);
    next.run();
    settle();
    EXPECT_THAT(program.dialogs.shown(), IsEmpty());
    EXPECT_THAT(program.clock.waits(), ElementsAre(1000));
    EXPECT_EQ(next.encryptedAtStart(), 0);
    ASSERT_NE(next.desk(), nullptr);
    EXPECT_TRUE(next.desk()->isVisible());
}

// A diary of the previous version (memo.edb / memo.edt) beside the program.
class OldDiaryStartTest : public StartTest {
  protected:
    void writeOldDiary() {
        RecordFacility maker(program.dir.path(), KdfParams{1, 8u << 10});
        ASSERT_TRUE(maker.create(
            "memo", {{kFieldDate, FieldType::DateTime, 20}, {kFieldMemo, FieldType::Memo, 20}}));
        ASSERT_TRUE(maker.open("memo"));
        ASSERT_TRUE(maker.add_record({40643.0, std::string("旧版写的今天")}));  // 2011-04-10
        ASSERT_TRUE(maker.add_record({40645.5, std::string("旧版写的后天")}));
        maker.close_all();
        oldTable = test::readFileBytes(program.dir.file("memo.edb"));
        oldCompanion = test::readFileBytes(program.dir.file("memo.edt"));
    }
    QString editorText() const {
        return static_cast<QPlainTextEdit*>(deskChild("备忘编辑框"))->toPlainText();
    }
    QString statusLine() const {
        return static_cast<QLabel*>(deskChild("数据库情况状态栏"))->text();
    }

    static constexpr const char* kOffer =
        "发现V2版数据库，是否对该数据库进行升级？\r\n选择‘否’会直接创建并使用新的V3版空数据库";
    std::string oldTable;
    std::string oldCompanion;
};

TEST_F(OldDiaryStartTest, AcceptedConversionOpensTheDeskOnTheCopiedDiary) {
    writeOldDiary();
    program.dialogs.expectMessage(MessageAnswer::Yes);
    program.dialogs.expectMessage();
    start();

    ASSERT_EQ(program.dialogs.shown().size(), 2u);
    EXPECT_EQ(program.dialogs.shown()[0].text, kOffer);
    EXPECT_EQ(program.dialogs.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(program.dialogs.shown()[1].text.rfind("您的V2版数据库已成功升级为V3版数据库！", 0),
              0u);
    EXPECT_THAT(program.dialogs.unexpected(), IsEmpty());
    EXPECT_THAT(program.clock.waits(), ElementsAre(1000));
    EXPECT_EQ(sequence->encryptedAtStart(), 0);
    ASSERT_NE(sequence->desk(), nullptr);
    EXPECT_TRUE(sequence->desk()->isVisible());
    EXPECT_EQ(editorText(), QStringLiteral("旧版写的今天"));
    EXPECT_THAT(static_cast<SortedListBox*>(deskChild("本月备忘列表框"))->texts(),
                ElementsAre(QStringLiteral("2011年4月10日"), QStringLiteral("2011年4月12日")));
    EXPECT_EQ(statusLine(), QStringLiteral("2011年4月有效记录共2天|目前数据库中共有2条记录"));
    EXPECT_EQ(test::readFileBytes(program.dir.file("ledgerleaf.edb.v2.bak")), oldTable);
    EXPECT_EQ(test::readFileBytes(program.dir.file("ledgerleaf.edt.v2.bak")), oldCompanion);
    EXPECT_FALSE(std::filesystem::exists(program.dir.file("memo.edb")));
}

TEST_F(OldDiaryStartTest, DeclinedConversionCreatesAnEmptyDiaryBesideTheOldOne) {
    writeOldDiary();
    program.dialogs.expectMessage(MessageAnswer::No);
    program.dialogs.expectMessage();
    program.dialogs.expectMessage();
    start();

    EXPECT_THAT(program.dialogs.texts(),
                ElementsAre(kOffer, "没有发现可用数据库，程序将自动创建新数据库",
                            "已建立新数据库，欢迎您继续使用本软件！"));
    EXPECT_THAT(program.dialogs.unexpected(), IsEmpty());
    ASSERT_NE(sequence->desk(), nullptr);
    EXPECT_TRUE(editorText().isEmpty());
    EXPECT_EQ(statusLine(), QStringLiteral("2011年4月无有效记录！|目前数据库中共有0条记录"));
    EXPECT_EQ(test::readFileBytes(program.dir.file("memo.edb")), oldTable);
    EXPECT_EQ(test::readFileBytes(program.dir.file("memo.edt")), oldCompanion);
}

// The old pair cannot be opened: the new empty diary, still open from the conversion, is the
// one the desk writes into.
TEST_F(OldDiaryStartTest, UnreadableOldDiaryStartsOnTheNewEmptyDiary) {
    test::writeFileBytes(program.dir.file("memo.edb"), "not a table");
    test::writeFileBytes(program.dir.file("memo.edt"), "not a table");
    program.dialogs.expectMessage(MessageAnswer::Yes);
    program.dialogs.expectMessage();
    start();

    EXPECT_THAT(program.dialogs.texts(), ElementsAre(kOffer, "打开旧数据库失败"));
    ASSERT_NE(sequence->desk(), nullptr);
    EXPECT_TRUE(sequence->desk()->isVisible());
    EXPECT_FALSE(program.exit.ended());
    QTest::keyClicks(deskChild("备忘编辑框"), "ok");
    EXPECT_EQ(program.memoOnDisk(40643.0), "ok");
    EXPECT_EQ(test::readFileBytes(program.dir.file("memo.edb")), "not a table");
}

}  // namespace
}  // namespace ledgerleaf

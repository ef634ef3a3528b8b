// Writing the diary: every change of the editor is on disk at once; days are chosen with the
// calendar, the wheel and the month list.
#include <gmock/gmock.h>

#include <QInputMethodEvent>
#include <QPushButton>
#include <QWheelEvent>

#include "core/utf8_path.h"
#include "desk_test_base.h"

namespace ledgerleaf {
namespace {

using test::settle;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WritingTest : public test::DeskTestBase {};

TEST_F(WritingTest, FirstCharacterCreatesTheRecordAndEveryKeystrokeIsOnDisk) {
    openDesk();
    const double today = day(2011, 4, 10);
    EXPECT_EQ(program.recordsOnDisk(), 0);

    test::typeText(editor(), QStringLiteral("a"));
    EXPECT_EQ(program.recordsOnDisk(), 1);
    EXPECT_EQ(program.memoOnDisk(today), "a");
    EXPECT_TRUE(child<QLabel>("备忘状态栏标签")->isVisible());

    for (const char* more : {"b", "c", "好"}) {
        test::typeText(editor(), QString::fromUtf8(more));
        EXPECT_EQ(program.memoOnDisk(today), editor()->toPlainText().toStdString());
    }
    EXPECT_EQ(program.recordsOnDisk(), 1);
    EXPECT_EQ(program.memoOnDisk(today), "abc好");
    EXPECT_THAT(monthList()->texts(), ElementsAre(QStringLiteral("2011年4月10日")));
    EXPECT_EQ(status(), QStringLiteral("2011年4月有效记录共1天|目前数据库中共有1条记录"));
}

TEST_F(WritingTest, EmptyingTextWritesNothingWithoutARecordAndKeepsAnExistingRecordEmpty) {
    openDesk();
    // On a day without a record, a change that leaves the text empty writes nothing.
    editor()->setFocus();
    QTest::keyClick(editor(), Qt::Key_Backspace);
    EXPECT_EQ(program.recordsOnDisk(), 0);

    test::typeText(editor(), QStringLiteral("xy"));
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClick(editor(), Qt::Key_Backspace);
    EXPECT_EQ(program.recordsOnDisk(), 1);
    EXPECT_EQ(program.memoOnDisk(day(2011, 4, 10)), "");
    EXPECT_THAT(monthList()->texts(), IsEmpty());
    EXPECT_EQ(status(), QStringLiteral("2011年4月无有效记录！|目前数据库中共有1条记录"));
}

TEST_F(WritingTest, LoadingADayWritesNothing) {
    addDay(day(2011, 4, 3), "旧的一天");
    openDesk();
    clickDay(QDate(2011, 4, 3));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("旧的一天"));
    clickDay(QDate(2011, 4, 4));
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
    EXPECT_EQ(program.recordsOnDisk(), 1);
    EXPECT_FALSE(child<QLabel>("备忘状态栏标签")->isVisible());
}

TEST_F(WritingTest, ComposedTextIsSavedWhenCommittedAndUndoRedoSave) {
    openDesk();
    const double today = day(2011, 4, 10);
    test::typeText(editor(), QStringLiteral("今天"));

    QInputMethodEvent preedit(QStringLiteral("tian"), {});
    QCoreApplication::sendEvent(editor(), &preedit);
    EXPECT_EQ(program.memoOnDisk(today), "今天");

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("天气"));
    QCoreApplication::sendEvent(editor(), &commit);
    EXPECT_EQ(program.memoOnDisk(today), "今天天气");

    editor()->undo();
    EXPECT_EQ(program.memoOnDisk(today), editor()->toPlainText().toStdString());
    EXPECT_NE(program.memoOnDisk(today), "今天天气");
    editor()->redo();
    EXPECT_EQ(program.memoOnDisk(today), "今天天气");
}

TEST_F(WritingTest, DoubleClickOnTheDayLabelAppendsTheDateAndSaves) {
    openDesk();
    test::typeText(editor(), QStringLiteral("记于"));
    QTest::mouseDClick(child<QLabel>("今日提醒标签"), Qt::LeftButton);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("记于2011年4月10日"));
    EXPECT_EQ(program.memoOnDisk(day(2011, 4, 10)), "记于2011年4月10日");
}

TEST_F(WritingTest, ClickLoadsTheDayAndRefreshesTheListWhileSetDateOnlyLoads) {
    openDesk();
    // A record made behind the desk's back shows in the list only after a click refreshes it.
    addDay(day(2011, 4, 20), "二十号");
    ASSERT_TRUE(calendar()->setDate(2011, 4, 20));
    settle();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("二十号"));
    EXPECT_EQ(dayLabel(), QStringLiteral("2011年4月20日"));
    EXPECT_THAT(monthList()->texts(), IsEmpty());

    clickDay(QDate(2011, 4, 20));
    EXPECT_THAT(monthList()->texts(), ElementsAre(QStringLiteral("2011年4月20日")));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("二十号"));
}

TEST_F(WritingTest, DayWithAPictureOpensThePanelAndTheClickKeepsItOpen) {
    addDay(day(2011, 4, 12), "有图", test::pictureBytes("BMP"), "bmp");
    openDesk();
    EXPECT_FALSE(desk->panelOpen());
    clickDay(QDate(2011, 4, 12));
    EXPECT_TRUE(desk->panelOpen());
    EXPECT_TRUE(pictureBox()->hasPicture());
    EXPECT_TRUE(child<QLabel>("删除图片按钮")->isVisible());
    EXPECT_FALSE(child<QLabel>("图片框提示标签")->isVisible());

    clickDay(QDate(2011, 4, 13));
    EXPECT_FALSE(desk->panelOpen());
    EXPECT_FALSE(pictureBox()->hasPicture());
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
}

void turnWheel(QWidget* target, int angle) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &wheel);
    settle();
}

TEST_F(WritingTest, WheelMovesByMonthsWithinTheCurrentYear) {
    openDesk();
    turnWheel(calendar(), 120);
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 3, 15));
    turnWheel(calendar(), -120);
    turnWheel(calendar(), -120);
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 5, 15));
    EXPECT_EQ(dayLabel(), QStringLiteral("2011年5月15日"));
    child<QPushButton>("转到今日按钮")->click();
    settle();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 4, 10));
    EXPECT_EQ(desk->state().wheelMonth, 4);
}

TEST_F(WritingTest, WheelPastDecemberIsRefusedAndTheCounterKeepsCounting) {
    program.clock.setNow(2011, 12, 10, 8, 0, 0);
    openDesk();
    turnWheel(calendar(), -120);  // toward the user: month 13 is refused
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 12, 10));
    EXPECT_EQ(desk->state().wheelMonth, 13);
    turnWheel(calendar(), 120);  // back to 12: December 15
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 12, 15));
    turnWheel(calendar(), 120);
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 11, 15));
}

TEST_F(WritingTest, WheelBeforeJanuaryIsRefused) {
    program.clock.setNow(2011, 1, 20, 8, 0, 0);
    openDesk();
    turnWheel(calendar(), 240);  // two notches away: months 0 and -1... one event of 2 notches
    EXPECT_EQ(desk->state().wheelMonth, -1);
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 1, 20));
    turnWheel(calendar(), -120);
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 1, 20));
    turnWheel(calendar(), -120);
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 1, 15));
}

TEST_F(WritingTest, MonthListShowsTheMonthsValidDaysInOrderAndOpensAChosenDay) {
    addDay(day(2011, 3, 31), "月底");
    addDay(day(2011, 3, 15), "月中", test::pictureBytes("BMP"), "bmp");
    addDay(day(2011, 3, 5), "五号");
    addDay(day(2011, 3, 9), "");  // emptied: counted, not listed
    addDay(day(2011, 4, 5), "四月");
    program.clock.setNow(2011, 3, 20, 12, 0, 0);
    openDesk();

    EXPECT_THAT(monthList()->texts(),
                ElementsAre(QStringLiteral("2011年3月05日"), QStringLiteral("2011年3月15日(P)"),
                            QStringLiteral("2011年3月31日")));
    EXPECT_EQ(status(), QStringLiteral("2011年3月有效记录共3天|目前数据库中共有5条记录"));

    monthList()->setCurrentRow(2);
    settle();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 3, 31));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("月底"));
    EXPECT_EQ(monthList()->count(), 3);
    EXPECT_EQ(monthList()->currentRow(), 2);
}

TEST_F(WritingTest, FailedSaveShowsTheMessageClosesAndEndsKeepingWhatWasSaved) {
    openDesk();
    test::typeText(editor(), QStringLiteral("ab"));
    {
        test::LockedDiary lock(program.dir.path());
        ASSERT_TRUE(lock.ok());
        program.dialogs.expectMessage();
        test::typeText(editor(), QStringLiteral("c"));
    }
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_EQ(program.dialogs.shown()[0].text, "保存当前编辑信息失败，请检查数据库文件是否存在。");
    EXPECT_EQ(program.dialogs.shown()[0].title, "信息：");
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), 0);
    EXPECT_FALSE(program.facility.has_current());
    EXPECT_EQ(program.memoOnDisk(day(2011, 4, 10)), "ab");
}

TEST_F(WritingTest, FailedAppendShowsItsMessageAndEnds) {
    openDesk();
    {
        test::LockedDiary lock(program.dir.path());
        ASSERT_TRUE(lock.ok());
        program.dialogs.expectMessage();
        test::typeText(editor(), QStringLiteral("x"));
    }
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_EQ(program.dialogs.shown()[0].text, "增加记录失败，请检查数据库文件是否存在。");
    EXPECT_EQ(program.dialogs.shown()[0].title, "信息：");
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), 0);
    EXPECT_EQ(program.recordsOnDisk(), 0);
}

}  // namespace
}  // namespace ledgerleaf

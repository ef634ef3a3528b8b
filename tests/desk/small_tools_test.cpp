// The help window, the calculator button and the hidden command that empties the diary.
#include <gmock/gmock.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "desk/help_window.h"
#include "desk_test_base.h"

namespace ledgerleaf {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SmallToolsTest : public test::DeskTestBase {
  protected:
    void openDeskWithCalculator(bool starts) {
        DeskServices services{program.db,
                              program.dialogs,
                              program.clock,
                              program.exit,
                              program.dir.path(),
                              0,
                              {},
                              nullptr,
                              [this, starts] {
                                  ++calculatorStarts;
                                  return starts;
                              }};
        desk = std::make_unique<DeskWindow>(services);
        desk->show();
        test::settle();
    }
    // Double-clicks the scroll picture and reads the help window while it is open.
    QString helpTextShown() {
        QString shown;
        QSize size;
        QTimer::singleShot(0, [&] {
            auto* help = qobject_cast<HelpWindow*>(QApplication::activeModalWidget());
            if (!help)
                return;
            shown = help->text();
            size = help->size();
            EXPECT_EQ(help->parentWidget(), desk.get());
            help->close();
        });
        QTest::mouseDClick(child("说明按钮"), Qt::LeftButton);
        EXPECT_EQ(size, QSize(496, 371));
        return shown;
    }
    int calculatorStarts = 0;
};

TEST_F(SmallToolsTest, HelpShowsTheReadmeOrTheNoticeWhenThereIsNone) {
    openDesk();
    EXPECT_EQ(helpTextShown(),
              QStringLiteral("注意：\n\n没有找到说明文件，无法为您提供详细的操作指导。\n\n"
                             "为了能够顺利的使用本软件，建议您到官方网站上了解软件的详细情况。"));
    test::writeFileBytes(program.dir.file("readme.txt"), "Ledgerleaf 使用说明\n第二行");
    EXPECT_EQ(helpTextShown(), QStringLiteral("Ledgerleaf 使用说明\n第二行"));
}

TEST_F(SmallToolsTest, HelpWindowHasItsControlsInPlace) {
    HelpWindow help(program.dir.path(), nullptr);
    const std::pair<const char*, QRect> table[] = {
        {"图片框1", {0, 0, 120, 338}},       {"标签2", {123, 40, 357, 10}},
        {"标签3", {123, 288, 357, 10}},      {"说明显示框", {144, 56, 320, 232}},
        {"超级链接框1", {184, 304, 80, 24}}, {"超级链接框2", {344, 304, 80, 24}},
    };
    for (const auto& [name, place] : table) {
        SCOPED_TRACE(name);
        QWidget* control = help.findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), place);
    }
    EXPECT_TRUE(help.findChild<QLabel*>(QStringLiteral("超级链接框1"))
                    ->text()
                    .contains(QStringLiteral("官方主页")));
    EXPECT_TRUE(help.findChild<QLabel*>(QStringLiteral("超级链接框2"))
                    ->text()
                    .contains(QStringLiteral("联系信箱")));
}

TEST_F(SmallToolsTest, ReadmeBytesAreReadAsUtf8WithItsMarkOrInTheSystemCodePage) {
    EXPECT_EQ(HelpWindow::readmeText("\xEF\xBB\xBF说明"), QStringLiteral("说明"));
    EXPECT_EQ(HelpWindow::readmeText("plain text"), QStringLiteral("plain text"));
}

TEST_F(SmallToolsTest, CalculatorButtonStartsTheCalculatorOrSaysItCannot) {
    openDeskWithCalculator(true);
    child<QPushButton>("计算器按钮")->click();
    EXPECT_EQ(calculatorStarts, 1);
    EXPECT_THAT(program.dialogs.shown(), IsEmpty());

    desk.reset();
    openDeskWithCalculator(false);
    program.dialogs.expectMessage();
    child<QPushButton>("计算器按钮")->click();
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_EQ(program.dialogs.shown()[0].text, "没有找到可以启动的计算器程序。");
}

TEST_F(SmallToolsTest, HiddenClearAsksThenEmptiesTheDiaryAndKeepsWhatTheDeskShows) {
    addDay(day(2011, 4, 10), "今天的字", test::pictureBytes("BMP"), "bmp");
    addDay(day(2011, 4, 2), "另一天");
    openDesk();
    QLabel* status = child<QLabel>("数据库情况状态栏");

    program.dialogs.expectMessage(MessageAnswer::No);
    QTest::mouseDClick(status, Qt::LeftButton);
    EXPECT_EQ(program.recordsOnDisk(), 2);
    EXPECT_EQ(program.dialogs.shown()[0].text, "是否需要清空数据库？");
    EXPECT_EQ(program.dialogs.shown()[0].title, "隐藏功能，慎用！");
    EXPECT_EQ(program.dialogs.shown()[0].buttons, MessageButtons::YesNo);

    program.dialogs.expectMessage(MessageAnswer::Yes);
    program.dialogs.expectMessage();
    QTest::mouseDClick(status, Qt::LeftButton);
    EXPECT_EQ(program.recordsOnDisk(), 0);
    ASSERT_EQ(program.dialogs.shown().size(), 3u);
    EXPECT_EQ(program.dialogs.shown()[2].text, "数据库现已被清空！");
    EXPECT_EQ(program.dialogs.shown()[2].title, "注意！");
    EXPECT_EQ(status->text(), QStringLiteral("2011年4月无有效记录！|目前数据库中共有0条记录"));
    EXPECT_THAT(monthList()->texts(), IsEmpty());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("今天的字"));
    EXPECT_TRUE(pictureBox()->hasPicture());

    // The next edit makes a new record of the day, with the picture still shown.
    editor()->moveCursor(QTextCursor::End);
    test::typeText(editor(), QStringLiteral("。"));
    EXPECT_EQ(program.recordsOnDisk(), 1);
    EXPECT_EQ(program.memoOnDisk(day(2011, 4, 10)), "今天的字。");
}

}  // namespace
}  // namespace ledgerleaf

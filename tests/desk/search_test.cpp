// The search page: keyword search over every memo, the result list and jumping to a result.
#include <gmock/gmock.h>

#include <QLineEdit>
#include <QPushButton>

#include "desk_test_base.h"

namespace ledgerleaf {
namespace {

using test::settle;
using ::testing::ElementsAre;

class SearchTest : public test::DeskTestBase {
  protected:
    void SetUp() override {
        DeskTestBase::SetUp();
        addDay(day(2011, 11, 20), "Went to the PARK with friends");
        addDay(day(2011, 4, 5), "公园里的樱花开了，park很美", test::pictureBytes("BMP"), "bmp");
        addDay(day(2010, 1, 2), "nothing here");
        addDay(day(2011, 6, 1), "", test::pictureBytes("BMP"), "bmp");  // picture alone
        addDay(day(1890, 5, 1), "a park before the calendar's range");
        openDesk();
    }
    void searchFor(const QString& keyword) {
        child<QLineEdit>("搜索内容编辑框")->setText(keyword);
        child<QPushButton>("搜索按钮")->click();
        settle();
    }
    QPushButton* exportButton() const { return child<QPushButton>("结果导出按钮"); }
};

TEST_F(SearchTest, ListsEveryMatchingDayInDateOrderIgnoringCase) {
    searchFor(QStringLiteral("Park"));
    EXPECT_THAT(resultList()->texts(),
                ElementsAre(QStringLiteral("1890年05月01日"), QStringLiteral("2011年04月05日(P)"),
                            QStringLiteral("2011年11月20日")));
    EXPECT_EQ(status(), QStringLiteral("包含该关键词的备忘共有3天"));
    EXPECT_TRUE(exportButton()->isEnabled());
}

TEST_F(SearchTest, EmptyKeywordAsksForOneAndLeavesTheExportButton) {
    searchFor(QString());
    EXPECT_THAT(resultList()->texts(), ElementsAre(QStringLiteral("请输入要搜索的关键词！")));
    EXPECT_FALSE(exportButton()->isEnabled());
}

TEST_F(SearchTest, NoMatchSaysSoAndStillEnablesExport) {
    const QString before = status();
    searchFor(QStringLiteral("樱桃"));
    EXPECT_THAT(resultList()->texts(), ElementsAre(QStringLiteral("没有符合条件的日期")));
    EXPECT_EQ(status(), before);
    EXPECT_TRUE(exportButton()->isEnabled());
    // The message item carries no record: choosing it does nothing.
    resultList()->setCurrentRow(0);
    settle();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 4, 10));
}

TEST_F(SearchTest, ChoosingAResultOpensItsDayAndARefusedDateChangesNothing) {
    searchFor(QStringLiteral("公园"));
    resultList()->setCurrentRow(0);
    settle();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 4, 5));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("公园里的樱花开了，park很美"));
    EXPECT_TRUE(desk->panelOpen());
    EXPECT_EQ(resultList()->count(), 1);

    searchFor(QStringLiteral("park"));
    resultList()->setCurrentRow(0);  // 1890: before the calendar's first day
    settle();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2011, 4, 5));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("公园里的樱花开了，park很美"));
}

TEST_F(SearchTest, EnterRunsTheSearchFromAnyControlButTheEditor) {
    child<QLineEdit>("搜索内容编辑框")->setText(QStringLiteral("nothing"));
    QTest::keyClick(child<QLineEdit>("搜索内容编辑框"), Qt::Key_Return);
    EXPECT_THAT(resultList()->texts(), ElementsAre(QStringLiteral("2010年01月02日")));

    resultList()->clear();
    QTest::keyClick(calendar(), Qt::Key_Enter);
    EXPECT_EQ(resultList()->count(), 1);

    resultList()->clear();
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(resultList()->count(), 0);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("\n"));
}

}  // namespace
}  // namespace ledgerleaf

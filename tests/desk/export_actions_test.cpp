// The export buttons of the search page: the results export takes the result list in the order
// it shows and disables its button; the whole export needs nothing of the list.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPushButton>
#include <QWidget>

#include "core/date_time.h"
#include "core/utf8_path.h"
#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "desk/export_actions.h"
#include "desk_fixture.h"
#include "platform/recording_spreadsheet.h"
#include "platform/widgets/sorted_list_box.h"
#include "search/list_item_text.h"

namespace ledgerleaf {
namespace {

using ::testing::ElementsAre;

class ExportActionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program.createAndOpen();
        controls.window = &window;
        controls.resultList = new SortedListBox(&window);
        controls.exportResultsButton = new QPushButton(&window);
        controls.exportAllButton = new QPushButton(&window);
    }

    static double day(int y, int m, int d) { return *fromParts({y, m, d}); }
    void addDay(double date, const std::string& memo, const std::string& picture = {}) {
        ASSERT_TRUE(program.db.add_day(date, memo, Bytes(picture.begin(), picture.end()),
                                       picture.empty() ? "" : "png"));
    }
    // A result item as the search lists it.
    void listResult(int number, double date, bool picture) {
        controls.resultList->addItemWithValue(
            QString::fromStdString(resultListItemText(date, picture)), number);
    }
    // The A cells written, in order.
    std::vector<std::string> dateCells() const {
        std::vector<std::string> out;
        for (const SpreadsheetCall& call : calls)
            if (call.kind == SpreadsheetCall::Kind::SetCellText && call.cell[0] == 'a')
                out.push_back(call.cell + "=" + call.text);
        return out;
    }

    test::ProgramFixture program;
    QWidget window;
    DeskControls controls;
    DeskServices services{.db = program.db,
                          .dialogs = program.dialogs,
                          .clock = program.clock,
                          .exit = program.exit,
                          .programDir = program.dir.path(),
                          .screenWidth = {},
                          .startCalculator = {}};
    std::vector<SpreadsheetCall> calls;
    ExportActions actions{controls, services,
                          [this] { return std::make_unique<RecordingSpreadsheet>(calls); }};
};

TEST_F(ExportActionsTest, ResultsExportFollowsTheListAndDisablesItsButton) {
    addDay(day(2011, 11, 20), "park");
    addDay(day(2011, 4, 5), "公园 park", "PNG bytes");
    addDay(day(2010, 1, 2), "park too");
    // Added out of order: the list shows them sorted by their texts.
    listResult(1, day(2011, 11, 20), false);
    listResult(3, day(2010, 1, 2), false);
    listResult(2, day(2011, 4, 5), true);
    controls.exportResultsButton->setEnabled(true);
    program.dialogs.expectMessage();

    actions.exportResults();

    EXPECT_FALSE(controls.exportResultsButton->isEnabled());
    EXPECT_TRUE(controls.exportAllButton->isEnabled());
    EXPECT_THAT(dateCells(),
                ElementsAre("a1=日期", "a2=2010年1月2日", "a3=2011年4月5日", "a4=2011年11月20日"));
    EXPECT_EQ(test::readFileBytes(program.dir.file("2011年4月10日9时30分-导出搜索结果图片") /
                                  pathFromUtf8("2011年4月5日配图.png")),
              "PNG bytes");
    EXPECT_THAT(program.dialogs.unexpected(), ::testing::IsEmpty());
}

TEST_F(ExportActionsTest, AMessageItemOfTheListGivesNoRow) {
    controls.resultList->addPlainItem(QStringLiteral("没有符合条件的日期"));
    controls.exportResultsButton->setEnabled(true);
    program.dialogs.expectMessage();

    actions.exportResults();

    EXPECT_FALSE(controls.exportResultsButton->isEnabled());
    EXPECT_THAT(dateCells(), ElementsAre("a1=日期"));
}

TEST_F(ExportActionsTest, WholeExportTakesEveryRecordAndLeavesTheButtonsAsTheyAre) {
    addDay(day(2011, 11, 20), "晚");
    addDay(day(2011, 4, 5), "早");
    controls.exportResultsButton->setEnabled(false);
    program.dialogs.expectMessage();

    actions.exportAll();

    EXPECT_THAT(dateCells(), ElementsAre("a1=日期", "a2=2011年4月5日", "a3=2011年11月20日"));
    EXPECT_TRUE(controls.exportAllButton->isEnabled());
    EXPECT_FALSE(controls.exportResultsButton->isEnabled());
}

}  // namespace
}  // namespace ledgerleaf

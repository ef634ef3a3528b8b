// Putting the diary away into the bookend bar and taking it out again, and closing it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/book_animations.h"
#include "app/cover_window.h"
#include "app/start_sequence.h"
#include "desk/bookend_bar.h"
#include "desk/desk_window.h"
#include "desk_fixture.h"

namespace ledgerleaf {
namespace {

using test::settle;
using ::testing::ElementsAre;

// Tests run in parallel processes: each takes a single-instance guard of its own.
std::string guardName() {
    return "ledgerleaf-test-animations-" + std::to_string(QCoreApplication::applicationPid());
}

class BookAnimationsTest : public ::testing::Test {
  protected:
    // Starts the program on a diary, with a password when one is given.
    void start(const std::optional<std::string>& password = std::nullopt) {
        program.createAndOpen();
        if (password) {
            ASSERT_TRUE(program.facility.set_password(*password));
        }
        program.facility.close_all();
        services = std::make_unique<AppServices>(
            AppServices{program.dir.path(), program.dialogs, program.clock, program.exit,
                        program.facility, program.db, guardName()});
        sequence = std::make_unique<StartSequence>(*services, cover);
        sequence->run();
        settle();
        if (password) {
            cover.passwordEdit()->setText(QString::fromStdString(*password));
            cover.confirmButton()->click();
            settle();
        }
        ASSERT_NE(sequence->desk(), nullptr);
        desk = sequence->desk();
        bar = sequence->bookendBar();
        waitsBefore = program.clock.waits().size();
    }
    std::vector<int> newWaits() const {
        return {program.clock.waits().begin() + long(waitsBefore), program.clock.waits().end()};
    }

    test::ProgramFixture program;
    CoverWindow cover;
    std::unique_ptr<AppServices> services;
    std::unique_ptr<StartSequence> sequence;
    DeskWindow* desk = nullptr;
    BookendBar* bar = nullptr;
    std::size_t waitsBefore = 0;
};

TEST_F(BookAnimationsTest, CollapseAndRestoreKeepEverythingOfTheDesk) {
    start();
    if (HasFatalFailure())
        return;
    desk->move(200, 120);
    auto* editor = desk->findChild<QPlainTextEdit*>(QStringLiteral("备忘编辑框"));
    editor->setPlainText(QStringLiteral("写到一半"));
    desk->set_panel_width(DeskWindow::kOpenWidth);

    QTest::mouseDClick(desk->findChild<QWidget*>(QStringLiteral("收起备忘按钮")), Qt::LeftButton);
    EXPECT_FALSE(desk->isVisible());
    EXPECT_FALSE(cover.isVisible());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->pos(), QPoint(650, 0));
    EXPECT_EQ(cover.pos(), QPoint(650, 120));
    EXPECT_THAT(newWaits(), ElementsAre(500));

    QTest::mousePress(bar, Qt::LeftButton);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(cover.isVisible());
    EXPECT_TRUE(desk->isVisible());
    EXPECT_THAT(newWaits(), ElementsAre(500, 500));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("写到一半"));
    EXPECT_TRUE(desk->panelOpen());
    EXPECT_FALSE(program.exit.ended());
}

TEST_F(BookAnimationsTest, TheBookendBarCannotBeClosedWhileTheDiaryIsAway) {
    start();
    if (HasFatalFailure())
        return;
    sequence->animations()->collapse_desk();
    bar->close();
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(BookAnimationsTest, ClosingAfterAPasswordStartShowsThePromptOnTheClosingCover) {
    start("pw");
    if (HasFatalFailure())
        return;
    bool promptSeen = false;
    program.clock.setEventHook([&] {
        if (cover.isVisible() && cover.promptLabel()->isVisible() &&
            cover.passwordEdit()->text() == QStringLiteral("pw"))
            promptSeen = true;
    });
    desk->findChild<QPushButton*>(QStringLiteral("关闭程序按钮"))->click();
    EXPECT_TRUE(promptSeen);
    EXPECT_TRUE(program.exit.ended());
    EXPECT_EQ(program.exit.code(), 0);
    EXPECT_FALSE(program.facility.has_current());
}

TEST_F(BookAnimationsTest, AfterACollapseTheClosingCoverNoLongerShowsThePrompt) {
    start("pw");
    if (HasFatalFailure())
        return;
    sequence->animations()->collapse_desk();
    sequence->animations()->restore_desk();
    bool promptSeen = false;
    program.clock.setEventHook([&] {
        if (cover.isVisible() && cover.promptLabel()->isVisible())
            promptSeen = true;
    });
    sequence->animations()->close_program();
    EXPECT_FALSE(promptSeen);
    EXPECT_TRUE(program.exit.ended());
}

}  // namespace
}  // namespace ledgerleaf

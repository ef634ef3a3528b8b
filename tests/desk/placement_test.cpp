// The alignment timer keeps the frameless desk docked to the top and left screen edges and
// inside the right edge.
#include <gmock/gmock.h>

#include <QTimer>

#include "desk/desk_placement.h"
#include "desk_test_base.h"

namespace ledgerleaf {
namespace {

struct AlignCase {
    const char* what;
    int screenWidth;
    int width;  // 940 closed, 1240 open
    QPoint from;
    QPoint to;
};

class PlacementTest : public test::DeskTestBase, public ::testing::WithParamInterface<AlignCase> {
  protected:
    void openDeskOnScreen(int width) {
        screenWidth = width;
        desk = std::make_unique<DeskWindow>(DeskServices{program.db, program.dialogs, program.clock,
                                                         program.exit, program.dir.path(), 0,
                                                         [this] { return screenWidth; }});
        desk->show();
        test::settle();
    }
    int screenWidth = 1920;
};

void PrintTo(const AlignCase& c, std::ostream* out) {
    *out << c.what;
}

TEST_P(PlacementTest, OneTickDocksTheDesk) {
    const AlignCase& c = GetParam();
    openDeskOnScreen(c.screenWidth);
    desk->set_panel_width(c.width);
    desk->move(c.from);
    desk->placement().align_desk();
    EXPECT_EQ(desk->pos(), c.to);
}

const AlignCase kAlignCases[] = {
    {"top 49 snaps to 0", 1920, 940, {300, 49}, {300, 0}},
    {"top 50 stays", 1920, 940, {300, 50}, {300, 50}},
    {"left 49 snaps to 0", 1920, 940, {49, 300}, {0, 300}},
    {"left 50 stays", 1920, 940, {50, 300}, {50, 300}},
    {"above and left of the screen", 1920, 940, {-200, -30}, {0, 0}},
    {"past the right edge", 1920, 940, {1500, 300}, {980, 300}},
    {"right edge exactly on the screen's edge stays", 1920, 940, {980, 300}, {980, 300}},
    {"panel opened near the right edge", 1920, 1240, {900, 300}, {680, 300}},
    {"bottom edge is never corrected", 1920, 940, {300, 5000}, {300, 5000}},
    {"screen narrower than the window", 800, 940, {100, 100}, {-140, 100}},
    {"on a screen to the right of the primary one", 1920, 940, {2500, 100}, {980, 100}},
};

INSTANTIATE_TEST_SUITE_P(Ticks, PlacementTest, ::testing::ValuesIn(kAlignCases));

TEST_F(PlacementTest, TheTimerTicksEveryHalfSecondFromTheStart) {
    openDeskOnScreen(1920);
    auto* timer = desk->findChild<QTimer*>(QStringLiteral("窗口对齐时钟"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    desk->move(300, 20);
    // The next tick comes within half a second; a busy machine may delay it a little.
    EXPECT_TRUE(QTest::qWaitFor([&] { return desk->pos() == QPoint(300, 0); }, 3000));
}

TEST_F(PlacementTest, APressOnThePicturesMovesTheWindowAndNeverReachesThem) {
    openDeskOnScreen(1920);
    desk->move(300, 200);
    QWidget* shelf = child("收起备忘按钮");
    int collapses = 0;
    QObject::connect(desk.get(), &DeskWindow::collapseRequested, [&] { ++collapses; });
    QTest::mousePress(shelf, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(shelf, QPoint(45, 25));
    QTest::mouseRelease(shelf, Qt::LeftButton, {}, QPoint(45, 25));
    EXPECT_EQ(collapses, 0);
    EXPECT_EQ(desk->pos(), QPoint(340, 220));
    QTest::mouseDClick(shelf, Qt::LeftButton);
    EXPECT_EQ(collapses, 1);
}

}  // namespace
}  // namespace ledgerleaf

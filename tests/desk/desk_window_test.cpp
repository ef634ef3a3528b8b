// The desk window as it comes up: controls in their places, states at load, outline, hover texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "desk/desk_window.h"
#include "desk_fixture.h"
#include "platform/widgets/colour_picker.h"
#include "platform/widgets/picture_box.h"
#include "platform/widgets/sorted_list_box.h"

namespace ledgerleaf {
namespace {

using test::ProgramFixture;
using test::settle;

class DeskWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program.createAndOpen();
        desk = std::make_unique<DeskWindow>(DeskServices{program.db, program.dialogs, program.clock,
                                                         program.exit, program.dir.path(), 0});
        desk->show();
        settle();
    }

    QWidget* find(const char* name) const {
        return desk->findChild<QWidget*>(QString::fromUtf8(name));
    }

    ProgramFixture program;
    std::unique_ptr<DeskWindow> desk;
};

struct Placement {
    const char* name;
    const char* container;  // nullptr: the window itself
    QRect place;
};

TEST_F(DeskWindowTest, EveryControlStandsAtItsPlaceInsideItsContainer) {
    const Placement table[] = {
        {"界面模板图片框", nullptr, {0, 0, 940, 550}},
        {"软件标题标签", "界面模板图片框", {47, 4, 248, 24}},
        {"说明按钮", "界面模板图片框", {781, 7, 20, 20}},
        {"已锁图片框", "界面模板图片框", {827, 3, 24, 24}},
        {"未锁图片框", "界面模板图片框", {827, 3, 24, 24}},
        {"收起备忘按钮", "界面模板图片框", {872, 2, 24, 24}},
        {"关闭程序按钮", "界面模板图片框", {912, 3, 24, 24}},
        {"数据库情况状态栏", "界面模板图片框", {52, 520, 360, 20}},
        {"日历照片选择夹", "界面模板图片框", {52, 39, 372, 480}},
        {"日历", "日历照片选择夹", {4, 24, 365, 262}},
        {"转到今日按钮", "日历照片选择夹", {125, 267, 60, 18}},
        {"日历相关功能选择夹", "日历照片选择夹", {3, 289, 365, 185}},
        {"本月备忘列表框", "日历相关功能选择夹", {5, 24, 355, 153}},
        {"搜索提示标签", "日历相关功能选择夹", {5, 24, 104, 24}},
        {"搜索内容编辑框", "日历相关功能选择夹", {117, 24, 179, 20}},
        {"搜索按钮", "日历相关功能选择夹", {301, 23, 60, 24}},
        {"搜索结果列表框", "日历相关功能选择夹", {5, 56, 291, 123}},
        {"结果导出按钮", "日历相关功能选择夹", {300, 94, 60, 32}},
        {"全库导出按钮", "日历相关功能选择夹", {300, 140, 60, 32}},
        {"备忘背景选择夹", "界面模板图片框", {512, 39, 375, 480}},
        {"今日提醒标签", "备忘背景选择夹", {70, 0, 85, 18}},
        {"字体设置按钮", "备忘背景选择夹", {163, 0, 50, 18}},
        {"背景色标签", "备忘背景选择夹", {214, 0, 64, 18}},
        {"颜色选择器", "备忘背景选择夹", {280, 0, 40, 18}},
        {"标签1", "备忘背景选择夹", {322, 0, 3, 18}},
        {"计算器按钮", "备忘背景选择夹", {327, 0, 20, 16}},
        {"图片面板按钮", "备忘背景选择夹", {348, 0, 24, 16}},
        {"备忘编辑框", "备忘背景选择夹", {4, 24, 365, 448}},
        {"备忘状态栏标签", nullptr, {520, 520, 350, 20}},
        {"图片框", nullptr, {940, 30, 300, 490}},
        {"删除图片按钮", "图片框", {271, 3, 20, 20}},
        {"图片框提示标签", "图片框", {7, 453, 272, 20}},
    };
    for (const Placement& row : table) {
        SCOPED_TRACE(row.name);
        QWidget* control = find(row.name);
        ASSERT_NE(control, nullptr);
        QWidget* container = row.container ? find(row.container) : desk.get();
        ASSERT_NE(container, nullptr);
        ASSERT_TRUE(container->isAncestorOf(control));
        EXPECT_EQ(QRect(control->mapTo(container, QPoint(0, 0)), control->size()), row.place);
    }
    EXPECT_NE(desk->findChild<QTimer*>(QStringLiteral("窗口对齐时钟")), nullptr);
    EXPECT_EQ(desk->findChild<QTimer*>(QStringLiteral("窗口对齐时钟"))->interval(), 500);
}

TEST_F(DeskWindowTest, TextsAndStatesAtLoad) {
    EXPECT_EQ(desk->size(), QSize(940, 550));
    EXPECT_TRUE(desk->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(static_cast<QLabel*>(find("软件标题标签"))->text(),
              QStringLiteral("Ledgerleaf V3.0.4.10 β"));
    EXPECT_EQ(static_cast<QPushButton*>(find("关闭程序按钮"))->text(), QStringLiteral("×"));
    EXPECT_EQ(static_cast<QPushButton*>(find("转到今日按钮"))->text(), QStringLiteral("转到今日"));
    EXPECT_EQ(static_cast<QPushButton*>(find("搜索按钮"))->text(), QStringLiteral("搜索"));
    EXPECT_EQ(static_cast<QLabel*>(find("搜索提示标签"))->text(),
              QStringLiteral("请输入搜索关键词："));
    EXPECT_EQ(static_cast<QLabel*>(find("背景色标签"))->text(), QStringLiteral("背景色设置"));
    EXPECT_EQ(static_cast<QPushButton*>(find("字体设置按钮"))->text(), QStringLiteral("字体设置"));
    EXPECT_EQ(static_cast<QLabel*>(find("备忘状态栏标签"))->text(),
              QStringLiteral("文字和图片的编辑动作均会即时保存，无需人工干预"));
    EXPECT_EQ(static_cast<QLabel*>(find("图片框提示标签"))->text(),
              QStringLiteral("请将图片直接拖放到这里，即可保存到数据库中"));
    EXPECT_EQ(static_cast<QPushButton*>(find("结果导出按钮"))->text(),
              QStringLiteral("结果导出\n至EXCEL"));
    EXPECT_EQ(static_cast<QPushButton*>(find("全库导出按钮"))->text(),
              QStringLiteral("全库导出\n至EXCEL"));

    // Hidden or disabled at load; exactly one of the two padlocks shows (unprotected: open).
    EXPECT_FALSE(find("已锁图片框")->isVisible());
    EXPECT_TRUE(find("未锁图片框")->isVisible());
    EXPECT_FALSE(find("备忘状态栏标签")->isVisible());
    EXPECT_FALSE(find("删除图片按钮")->isVisible());
    EXPECT_FALSE(find("结果导出按钮")->isEnabled());
    EXPECT_TRUE(find("全库导出按钮")->isEnabled());
    EXPECT_EQ(static_cast<ColourPicker*>(find("颜色选择器"))->colour(), QColor(Qt::white));
    EXPECT_TRUE(static_cast<QPushButton*>(find("搜索按钮"))->isDefault());
    EXPECT_TRUE(static_cast<SortedListBox*>(find("本月备忘列表框"))->selectedItems().isEmpty());
}

TEST_F(DeskWindowTest, OutlineCutsExactlyTheTwoGreenStrips) {
    QRegion expected(0, 0, 1240, 550);
    expected -= QRegion(940, 0, 300, 30);
    expected -= QRegion(940, 520, 300, 30);
    EXPECT_EQ(desk->shape(), expected);
    // Closed, the window is the book alone; open, the panel joins it.
    EXPECT_EQ(desk->mask(), QRegion(0, 0, 940, 550));
    desk->set_panel_width(1240);
    EXPECT_EQ(desk->size(), QSize(1240, 550));
    EXPECT_EQ(desk->mask(), expected);
    desk->set_panel_width(940);
    EXPECT_EQ(desk->size(), QSize(940, 550));
}

TEST_F(DeskWindowTest, HoverTexts) {
    const std::pair<const char*, const char*> table[] = {
        {"计算器按钮", "单击打开计算器小工具（Windows自带）"},
        {"结果导出按钮", "需要本机已安装office2000以上版本才能使用本功能..."},
        {"全库导出按钮", "需要本机已安装office2000以上版本才能使用本功能..."},
        {"图片面板按钮", "单击可切换图片面板打开与关闭，拖放图片至此图标可加入图片"},
        {"关闭程序按钮", "合上备忘录（退出程序）"},
        {"收起备忘按钮", "‘双击’ 该图标将暂时收起备忘录，放回书立。（极小化）"},
        {"删除图片按钮", "单击从当天记录中删除图片，立即生效!"},
        {"已锁图片框", "当前数据库已加密，‘双击’ 图标可取消加密或更改密码。"},
        {"未锁图片框", "当前数据库未加密，‘双击’ 图标将立即进行加密。"},
        {"今日提醒标签", "双击本处，可在备忘编辑框文本尾部加入当前日期"},
        {"说明按钮", "‘双击’ 显示作者信息、版权信息及操作说明"},
    };
    for (const auto& [name, tip] : table) {
        SCOPED_TRACE(name);
        ASSERT_NE(find(name), nullptr);
        EXPECT_EQ(find(name)->toolTip(), QString::fromUtf8(tip));
    }
}

TEST_F(DeskWindowTest, EmptyDiaryOpensOnTodayWithNothingListed) {
    EXPECT_EQ(static_cast<QLabel*>(find("今日提醒标签"))->text(), QStringLiteral("2011年4月10日"));
    EXPECT_TRUE(static_cast<QPlainTextEdit*>(find("备忘编辑框"))->toPlainText().isEmpty());
    EXPECT_EQ(static_cast<SortedListBox*>(find("本月备忘列表框"))->count(), 0);
    EXPECT_EQ(static_cast<QLabel*>(find("数据库情况状态栏"))->text(),
              QStringLiteral("2011年4月无有效记录！|目前数据库中共有0条记录"));
    EXPECT_FALSE(desk->panelOpen());
    EXPECT_EQ(program.db.record_count(), 0);
    EXPECT_FALSE(program.exit.ended());
    EXPECT_THAT(program.dialogs.shown(), ::testing::IsEmpty());
}

}  // namespace
}  // namespace ledgerleaf

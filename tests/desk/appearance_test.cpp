// The memo editor's font and background colour: chosen, applied at once, kept in config.ini
// and applied again at the next start.
#include <gmock/gmock.h>

#include <QPushButton>

#include "desk/appearance.h"
#include "desk_test_base.h"
#include "platform/font_dialog.h"
#include "platform/ini_file.h"
#include "platform/widgets/colour_picker.h"
#include "platform/widgets/colour_value.h"

namespace ledgerleaf {
namespace {

// A font dialog that answers with a given choice (OK) or with its preset (Cancel).
class ScriptedFontDialog : public FontDialog {
  public:
    std::optional<FontChoice> answer;  // nothing: Cancel
    std::vector<FontChoice> presets;
    FontChoice choose(const FontChoice& preset) override {
        presets.push_back(preset);
        return answer ? *answer : preset;
    }
};

class AppearanceTest : public test::DeskTestBase {
  protected:
    void openDeskWithDialogs() {
        DeskServices services{program.db,   program.dialogs,    program.clock,
                              program.exit, program.dir.path(), 0,
                              {},           &fontDialog};
        desk = std::make_unique<DeskWindow>(services);
        desk->show();
        test::settle();
    }
    std::string iniValue(const char* section, const char* key) const {
        return IniFile(program.dir.file("config.ini")).read(section, key);
    }
    std::string iniText() const { return test::readFileBytes(program.dir.file("config.ini")); }
    void pickColour(const QColor& colour) {
        auto* picker = child<ColourPicker>("颜色选择器");
        picker->setChooser([colour](const QColor&) { return colour; });
        QTest::mouseClick(picker, Qt::LeftButton);
    }

    ScriptedFontDialog fontDialog;
};

TEST_F(AppearanceTest, WithoutAFileTheEditorKeepsItsLookAndTheFirstChoicesMakeTheFile) {
    openDeskWithDialogs();
    EXPECT_FALSE(std::filesystem::exists(program.dir.file("config.ini")));
    EXPECT_EQ(editor()->palette().color(QPalette::Base), QColor(Qt::white));

    fontDialog.answer = FontChoice{"WenQuanYi Micro Hei", 14, 0x0000FF, true, false, true, false};
    child<QPushButton>("字体设置按钮")->click();
    EXPECT_EQ(editor()->font().pointSize(), 14);
    EXPECT_TRUE(editor()->font().bold());
    EXPECT_TRUE(editor()->font().underline());
    EXPECT_FALSE(editor()->font().italic());
    EXPECT_EQ(editor()->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(iniValue("字体设置", "字体名称"), "WenQuanYi Micro Hei");
    EXPECT_EQ(iniValue("字体设置", "字体大小"), "14");
    EXPECT_EQ(iniValue("字体设置", "文本颜色"), "255");
    EXPECT_EQ(iniValue("字体设置", "加粗"), "真");
    EXPECT_EQ(iniValue("字体设置", "倾斜"), "假");
    EXPECT_EQ(iniValue("字体设置", "下划线"), "真");
    EXPECT_EQ(iniValue("字体设置", "删除线"), "假");
    EXPECT_EQ(iniText().find("背景颜色设置"), std::string::npos);

    pickColour(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(editor()->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(iniValue("背景颜色设置", "背景颜色"), std::to_string(0x563412));
    EXPECT_EQ(iniValue("字体设置", "字体大小"), "14");
}

TEST_F(AppearanceTest, TheNextStartAppliesWhatTheFileHolds) {
    IniFile ini(program.dir.file("config.ini"));
    ASSERT_TRUE(ini.write("字体设置", "字体名称", "DejaVu Serif"));
    ASSERT_TRUE(ini.write("字体设置", "字体大小", "17"));
    ASSERT_TRUE(ini.write("字体设置", "文本颜色", std::to_string(0x00FF00)));
    ASSERT_TRUE(ini.write("字体设置", "倾斜", "真"));
    ASSERT_TRUE(ini.write("字体设置", "删除线", "真"));
    ASSERT_TRUE(ini.write("字体设置", "加粗", "假"));
    ASSERT_TRUE(ini.write("背景颜色设置", "背景颜色", std::to_string(0x80FFFF)));
    openDeskWithDialogs();
    EXPECT_EQ(editor()->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(editor()->font().pointSize(), 17);
    EXPECT_TRUE(editor()->font().italic());
    EXPECT_TRUE(editor()->font().strikeOut());
    EXPECT_FALSE(editor()->font().bold());
    EXPECT_FALSE(editor()->font().underline());
    EXPECT_EQ(editor()->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_EQ(editor()->palette().color(QPalette::Base), QColor(255, 255, 128));
}

TEST_F(AppearanceTest, AFileWithOnlyTheBackgroundLeavesTheFontAtThePlatformDefaults) {
    IniFile ini(program.dir.file("config.ini"));
    ASSERT_TRUE(ini.write("背景颜色设置", "背景颜色", "255"));
    openDeskWithDialogs();
    EXPECT_GT(editor()->font().pointSize(), 0);
    EXPECT_FALSE(editor()->font().bold());
    EXPECT_EQ(editor()->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(editor()->palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST_F(AppearanceTest, CancellingTheFontDialogWritesThePresetValuesBack) {
    IniFile ini(program.dir.file("config.ini"));
    ASSERT_TRUE(ini.write("字体设置", "字体名称", "DejaVu Sans"));
    ASSERT_TRUE(ini.write("字体设置", "字体大小", "11"));
    ASSERT_TRUE(ini.write("字体设置", "加粗", "真"));
    ASSERT_TRUE(ini.write("背景颜色设置", "背景颜色", std::to_string(0x00FFFF)));
    openDeskWithDialogs();
    fontDialog.answer.reset();
    child<QPushButton>("字体设置按钮")->click();
    ASSERT_EQ(fontDialog.presets.size(), 1u);
    EXPECT_EQ(fontDialog.presets[0], (FontChoice{"DejaVu Sans", 11, 0, true, false, false, false}));
    EXPECT_EQ(child<ColourPicker>("颜色选择器")->colour(), QColor(255, 255, 0));
    EXPECT_EQ(iniValue("字体设置", "字体大小"), "11");
    EXPECT_EQ(iniValue("字体设置", "文本颜色"), "0");
    EXPECT_EQ(iniValue("字体设置", "加粗"), "真");
    EXPECT_EQ(iniValue("字体设置", "倾斜"), "假");
    EXPECT_EQ(editor()->font().pointSize(), 11);
}

TEST_F(AppearanceTest, ColourValuesAreStoredBlueGreenRed) {
    EXPECT_EQ(colourValue(QColor(255, 0, 0)), 0x0000FFu);
    EXPECT_EQ(colourValue(QColor(0, 0, 255)), 0xFF0000u);
    EXPECT_EQ(colourFromValue(16777215), QColor(Qt::white));
    EXPECT_EQ(colourFromValue(0x00FF00), QColor(0, 255, 0));
}

}  // namespace
}  // namespace ledgerleaf

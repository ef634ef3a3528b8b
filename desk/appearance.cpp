#include "desk/appearance.h"

#include <QPlainTextEdit>
#include <cstdlib>

#include "core/date_time.h"
#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "platform/dialogs.h"
#include "platform/font_dialog.h"
#include "platform/ini_file.h"
#include "platform/widgets/colour_picker.h"
#include "platform/widgets/colour_value.h"

namespace ledgerleaf {

namespace {

constexpr const char* kFontSection = "字体设置";
constexpr const char* kBackgroundSection = "背景颜色设置";
constexpr const char* kBackgroundKey = "背景颜色";
constexpr std::uint32_t kWhite = 16777215;
constexpr const char* kWriteFailed =
    "无法把设置写入 config.ini，请检查程序所在文件夹是否可以写入。本次的选择仍然有效。";

// A number as the settings file holds it: its leading decimal integer, 0 when there is none.
long long numberFrom(const std::string& text) {
    return std::strtoll(text.c_str(), nullptr, 10);
}

FontChoice readFont(const IniFile& ini) {
    FontChoice f;
    f.name = ini.read(kFontSection, "字体名称");
    f.size = int(numberFrom(ini.read(kFontSection, "字体大小")));
    f.colour = std::uint32_t(numberFrom(ini.read(kFontSection, "文本颜色")));
    f.bold = ini.read(kFontSection, "加粗") == "真";
    f.italic = ini.read(kFontSection, "倾斜") == "真";
    f.underline = ini.read(kFontSection, "下划线") == "真";
    f.strikeOut = ini.read(kFontSection, "删除线") == "真";
    return f;
}

}  // namespace

Appearance::Appearance(DeskControls& controls, DeskServices& services, FontDialog& fontDialog)
    : c_(controls), services_(services), fontDialog_(fontDialog) {}

namespace {

void applyFont(QPlainTextEdit* editor, const FontChoice& f) {
    QFont font = editor->font();
    // An empty name or a size of 0 leaves the platform's defaults.
    if (!f.name.empty())
        font.setFamily(QString::fromStdString(f.name));
    if (f.size > 0)
        font.setPointSize(f.size);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    editor->setFont(font);
    QPalette pal = editor->palette();
    pal.setColor(QPalette::Text, colourFromValue(f.colour));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, colourFromValue(f.colour));
    editor->setPalette(pal);
}

FontChoice currentFont(const QPlainTextEdit* editor) {
    const QFont font = editor->font();
    return FontChoice{font.family().toStdString(),
                      font.pointSize(),
                      colourValue(editor->palette().color(QPalette::Text)),
                      font.bold(),
                      font.italic(),
                      font.underline(),
                      font.strikeOut()};
}

}  // namespace

void Appearance::setEditorBackground(const QColor& colour) {
    QPalette pal = c_.memoEditor->palette();
    pal.setColor(QPalette::Base, colour);
    // The selection stays hidden while the editor has no focus.
    pal.setColor(QPalette::Inactive, QPalette::Highlight, colour);
    c_.memoEditor->setPalette(pal);
}

void Appearance::reportWriteFailure() {
    services_.dialogs.message(kWriteFailed, "注意！");
}

void Appearance::load_appearance() {
    settingsFile_ = services_.programDir / "config.ini";
    const IniFile ini(settingsFile_);
    if (!ini.exists())
        return;
    applyFont(c_.memoEditor, readFont(ini));
    const std::string background = ini.read(kBackgroundSection, kBackgroundKey);
    setEditorBackground(
        colourFromValue(background.empty() ? kWhite : std::uint32_t(numberFrom(background))));
}

void Appearance::chooseFont() {
    IniFile ini(settingsFile_);
    FontChoice preset = currentFont(c_.memoEditor);
    if (ini.exists()) {
        preset = readFont(ini);
        c_.colourPicker->setColour(colourFromValue(
            std::uint32_t(numberFrom(ini.read(kBackgroundSection, kBackgroundKey)))));
    }
    const FontChoice chosen = fontDialog_.choose(preset);
    applyFont(c_.memoEditor, chosen);
    const bool written = ini.write(kFontSection, "字体名称", chosen.name) &&
                         ini.write(kFontSection, "字体大小", numberText(chosen.size)) &&
                         ini.write(kFontSection, "文本颜色", numberText(chosen.colour)) &&
                         ini.write(kFontSection, "加粗", boolText(chosen.bold)) &&
                         ini.write(kFontSection, "倾斜", boolText(chosen.italic)) &&
                         ini.write(kFontSection, "下划线", boolText(chosen.underline)) &&
                         ini.write(kFontSection, "删除线", boolText(chosen.strikeOut));
    if (!written)
        reportWriteFailure();
}

void Appearance::colourChosen(const QColor& colour) {
    setEditorBackground(colour);
    IniFile ini(settingsFile_);
    if (!ini.write(kBackgroundSection, kBackgroundKey, numberText(colourValue(colour))))
        reportWriteFailure();
}

}  // namespace ledgerleaf

#pragma once

#include <QColor>
#include <cstdint>
#include <filesystem>

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;
class FontDialog;

// The memo editor's font and background colour, chosen with the font button and the colour
// picker, applied at once and remembered in config.ini in the program directory.
class Appearance {
  public:
    Appearance(DeskControls& controls, DeskServices& services, FontDialog& fontDialog);

    // Desk set-up: applies the remembered font and background colour, when there is a file.
    void load_appearance();
    // Click on "字体设置".
    void chooseFont();
    // A colour chosen in the colour picker.
    void colourChosen(const QColor& colour);

    const std::filesystem::path& settingsFile() const { return settingsFile_; }

  private:
    void setEditorBackground(const QColor& colour);
    void reportWriteFailure();

    DeskControls& c_;
    DeskServices& services_;
    FontDialog& fontDialog_;
    std::filesystem::path settingsFile_;
};

}  // namespace ledgerleaf

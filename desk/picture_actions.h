#pragma once

#include <QString>
#include <functional>

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;
struct DeskState;
class MonthList;

// The picture panel's actions: toggling the panel, storing a dropped picture file with the
// selected day, and deleting the day's picture.
class PictureActions {
  public:
    static constexpr qint64 kMaxPictureBytes = 204800;

    PictureActions(DeskControls& controls, DeskServices& services, DeskState& state,
                   MonthList& monthList, std::function<void(int)> setPanelWidth,
                   std::function<int()> panelWidth);

    // Click on the panel button.
    void toggle();
    // A drop on the picture box: `pathText` is the dropped path (or several, each followed by a
    // line break).
    void storeDroppedFile(const QString& pathText);
    // A drop on the panel button: opens the panel first.
    void storeDroppedOnPanelButton(const QString& pathText);
    // Left-button press on the delete "×".
    void deletePicture();

  private:
    void showDeleteButton(bool show);

    DeskControls& c_;
    DeskServices& services_;
    DeskState& state_;
    MonthList& monthList_;
    std::function<void(int)> setPanelWidth_;
    std::function<int()> panelWidth_;
};

}  // namespace ledgerleaf

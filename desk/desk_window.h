#pragma once

#include <QHash>
#include <QRegion>
#include <QWidget>
#include <memory>

#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "desk/desk_state.h"

namespace ledgerleaf {

class Appearance;
class ClickRelay;
class FontDialog;
class DeskPlacement;
class ExportActions;
class DayLoader;
class MemoSaver;
class MonthList;
class PasswordFlows;
class PictureActions;
class SearchActions;
class SmallTools;

// The main window: an open diary drawn as a borderless, shaped picture. It assembles the
// panels, wires each control to its behaviour and runs the set-up when it is created.
class DeskWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 550;
    static constexpr int kClosedWidth = 940;
    static constexpr int kOpenWidth = 1240;

    explicit DeskWindow(const DeskServices& services, QWidget* parent = nullptr);
    ~DeskWindow() override;

    // The window width is the only switch of the picture panel: 940 closes it, 1240 opens it.
    void set_panel_width(int width);
    bool panelOpen() const { return width() == kOpenWidth; }

    const DeskControls& controls() const { return controls_; }
    const DeskState& state() const { return state_; }
    // The outline of the window: the book with the panel attached, the green strips cut away.
    const QRegion& shape() const { return shape_; }


  signals:
    // The close button was clicked, or the window system asked to close the desk: the program
    // closes its databases and ends, with the closing-book picture.
    void closeProgramRequested();
    // Double-click on the bookshelf picture: put the diary away into the bookend bar.
    void collapseRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  public:
    MonthList& monthList() { return *monthList_; }
    DeskPlacement& placement() { return *placement_; }

  private:
    void buildControls();
    void connectBehaviours();
    void connectMouse();
    void setUp();
    bool guarded(const std::function<void()>& handler);

    DeskServices services_;
    DeskControls controls_;
    DeskState state_;
    QRegion shape_;
    QHash<QWidget*, ClickRelay*> relays_;
    std::unique_ptr<MonthList> monthList_;
    std::unique_ptr<DayLoader> dayLoader_;
    std::unique_ptr<MemoSaver> memoSaver_;
    std::unique_ptr<PictureActions> pictureActions_;
    std::unique_ptr<PasswordFlows> passwordFlows_;
    std::unique_ptr<DeskPlacement> placement_;
    std::unique_ptr<FontDialog> ownFontDialog_;
    std::unique_ptr<Appearance> appearance_;
    std::unique_ptr<SmallTools> smallTools_;
    std::unique_ptr<ExportActions> exportActions_;
    std::unique_ptr<SearchActions> searchActions_;
};

}  // namespace ledgerleaf

#include "desk/desk_window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/date_time.h"
#include "desk/appearance.h"
#include "desk/calendar_panel.h"
#include "desk/day_loader.h"
#include "desk/default_button.h"
#include "desk/desk_placement.h"
#include "desk/export_actions.h"
#include "desk/memo_panel.h"
#include "desk/memo_saver.h"
#include "desk/month_list.h"
#include "desk/password_flows.h"
#include "desk/picture_actions.h"
#include "desk/picture_panel.h"
#include "desk/search_actions.h"
#include "desk/skin_band.h"
#include "desk/small_tools.h"
#include "desk/window_dragger.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fatal_guard.h"
#include "platform/lunar/lunar_calendar.h"
#include "platform/widgets/colour_picker.h"
#include "platform/widgets/file_drop_target.h"
#include "platform/widgets/picture_box.h"
#include "platform/widgets/qt_font_dialog.h"
#include "platform/widgets/sorted_list_box.h"
#include "resources/resource_init.h"

namespace ledgerleaf {

namespace {

const QColor kCutColour(0, 255, 0);

QRegion shapeFromPicture(const QPixmap& picture) {
    if (picture.isNull())
        return QRegion(0, 0, DeskWindow::kOpenWidth, DeskWindow::kHeight);
    return QRegion(picture.createMaskFromColor(kCutColour, Qt::MaskInColor));
}

}  // namespace

DeskWindow::DeskWindow(const DeskServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), services_(services) {
    initResources();
    setObjectName(QStringLiteral("desk"));
    setWindowTitle(QString());
    setWindowIcon(QIcon(QStringLiteral(":/icons/calendar_256.png")));
    controls_.window = this;
    resize(kOpenWidth, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kOpenWidth) / 2, area.y() + (area.height() - kHeight) / 2);
    }
    buildControls();
    connectBehaviours();
    setUp();
}

DeskWindow::~DeskWindow() = default;

void DeskWindow::buildControls() {
    const QPixmap background(QStringLiteral(":/skin/desk_background.png"));
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QBrush(background));
    setPalette(pal);
    setAutoFillBackground(true);

    controls_.skin = new QLabel(this);
    controls_.skin->setObjectName(QStringLiteral("界面模板图片框"));
    controls_.skin->setGeometry(0, 0, kClosedWidth, kHeight);
    controls_.skin->setPixmap(QPixmap(QStringLiteral(":/skin/desk_skin.png")));
    controls_.skin->setScaledContents(true);
    controls_.skin->setFrameShape(QFrame::Box);
    controls_.skin->setLineWidth(1);

    SkinBand::build(controls_.skin, controls_);
    CalendarPanel::build(controls_.skin, controls_);
    MemoPanel::build(controls_.skin, controls_);
    PicturePanel::build(this, controls_);

    // Enter on any control that does not take Enter itself runs the search.
    controls_.searchButton->setDefault(true);
    new DefaultButton(controls_.searchButton, this, controls_.memoEditor);

    shape_ = shapeFromPicture(background);
}

bool DeskWindow::guarded(const std::function<void()>& handler) {
    return runGuarded(services_.dialogs, services_.exit, handler);
}

void DeskWindow::connectBehaviours() {
    monthList_ = std::make_unique<MonthList>(controls_, services_, state_);
    dayLoader_ = std::make_unique<DayLoader>(controls_, services_, state_, *monthList_,
                                             [this](int w) { set_panel_width(w); });
    memoSaver_ = std::make_unique<MemoSaver>(controls_, services_, state_, *monthList_);
    monthList_->setShowDay([this](double d) { return dayLoader_->show_day(d); });
    pictureActions_ = std::make_unique<PictureActions>(
        controls_, services_, state_, *monthList_, [this](int w) { set_panel_width(w); },
        [this] { return width(); });
    passwordFlows_ = std::make_unique<PasswordFlows>(controls_, services_);
    if (!services_.fontDialog) {
        ownFontDialog_ = std::make_unique<QtFontDialog>();
        services_.fontDialog = ownFontDialog_.get();
    }
    appearance_ = std::make_unique<Appearance>(controls_, services_, *services_.fontDialog);
    smallTools_ = std::make_unique<SmallTools>(controls_, services_, *monthList_);
    exportActions_ =
        std::make_unique<ExportActions>(controls_, services_, services_.makeSpreadsheet);
    placement_ = std::make_unique<DeskPlacement>(
        *this, services_.screenWidth ? services_.screenWidth : primaryScreenWidth);
    searchActions_ = std::make_unique<SearchActions>(
        controls_, services_, [this](double d) { return dayLoader_->show_day(d); });

    LunarCalendar* cal = controls_.calendar;
    connect(cal, &LunarCalendar::dateSet, this,
            [this] { guarded([this] { dayLoader_->onDateSet(); }); });
    connect(cal, &LunarCalendar::dayClicked, this,
            [this] { guarded([this] { dayLoader_->onDayClicked(); }); });
    connect(cal, &LunarCalendar::dayHovered, this,
            [this] { guarded([this] { dayLoader_->onDayHovered(); }); });
    connect(cal, &LunarCalendar::wheelNotches, this,
            [this](int n) { guarded([this, n] { dayLoader_->onWheel(n); }); });
    connect(controls_.todayButton, &QPushButton::clicked, this,
            [this] { guarded([this] { dayLoader_->goToToday(); }); });
    connect(controls_.memoEditor, &QPlainTextEdit::textChanged, this,
            [this] { guarded([this] { memoSaver_->onTextChanged(); }); });
    connect(controls_.monthList, &SortedListBox::itemChosen, this,
            [this](int row) { guarded([this, row] { monthList_->onItemChosen(row); }); });
    connect(controls_.alignTimer, &QTimer::timeout, this,
            [this] { guarded([this] { placement_->align_desk(); }); });
    // The alignment timer runs from the desk's creation to the program's end, also while the
    // desk is put away.
    controls_.alignTimer->start();
    connect(controls_.fontButton, &QPushButton::clicked, this,
            [this] { guarded([this] { appearance_->chooseFont(); }); });
    connect(controls_.colourPicker, &ColourPicker::colourChosen, this,
            [this](const QColor& colour) {
                guarded([this, colour] { appearance_->colourChosen(colour); });
            });
    connect(controls_.exportAllButton, &QPushButton::clicked, this,
            [this] { guarded([this] { exportActions_->exportAll(); }); });
    connect(controls_.exportResultsButton, &QPushButton::clicked, this,
            [this] { guarded([this] { exportActions_->exportResults(); }); });
    connect(controls_.calculatorButton, &QPushButton::clicked, this,
            [this] { guarded([this] { smallTools_->startCalculator(); }); });
    connect(controls_.closeButton, &QPushButton::clicked, this, &DeskWindow::closeProgramRequested);
    connect(controls_.panelButton, &QPushButton::clicked, this,
            [this] { guarded([this] { pictureActions_->toggle(); }); });
    connect(controls_.pictureDrop, &FileDropTarget::filesDropped, this, [this](const QString& p) {
        guarded([this, p] { pictureActions_->storeDroppedFile(p); });
    });
    connect(controls_.panelButtonDrop, &FileDropTarget::filesDropped, this,
            [this](const QString& p) {
                guarded([this, p] { pictureActions_->storeDroppedOnPanelButton(p); });
            });
    connect(controls_.searchButton, &QPushButton::clicked, this,
            [this] { guarded([this] { searchActions_->search(); }); });
    connect(controls_.resultList, &SortedListBox::itemChosen, this,
            [this](int row) { guarded([this, row] { searchActions_->onResultChosen(row); }); });
    connectMouse();
}

void DeskWindow::connectMouse() {
    DeskControls& c = controls_;
    // Transparent labels keep their presses: a press on them does not move the window.
    for (QLabel* label : {c.title, c.databaseStatus, c.dayLabel, c.saveStatus, c.pictureHint,
                          c.deletePictureButton})
        relays_[label] = new ClickRelay(label, true);
    // Picture boxes and plain labels are handles: a press moves the window and never reaches
    // them; their double-clicks do.
    for (QLabel* box : {c.helpButton, c.lockedIcon, c.unlockedIcon, c.collapseButton})
        relays_[box] = new ClickRelay(box, false);
    auto* dragger = new WindowDragger(this);
    for (QWidget* handle : std::initializer_list<QWidget*>{
             c.skin, c.pictureBox, c.helpButton, c.lockedIcon, c.unlockedIcon, c.collapseButton,
             c.colourLabel, c.separator, c.searchPrompt})
        dragger->addHandle(handle);

    connect(relays_[c.dayLabel], &ClickRelay::doubleClicked, this,
            [this] { guarded([this] { memoSaver_->appendDayLabel(); }); });
    connect(relays_[c.helpButton], &ClickRelay::doubleClicked, this,
            [this] { guarded([this] { smallTools_->openHelp(); }); });
    connect(relays_[c.databaseStatus], &ClickRelay::doubleClicked, this,
            [this] { guarded([this] { smallTools_->clearDatabase(); }); });
    connect(relays_[c.collapseButton], &ClickRelay::doubleClicked, this,
            &DeskWindow::collapseRequested);
    connect(relays_[c.unlockedIcon], &ClickRelay::doubleClicked, this,
            [this] { guarded([this] { passwordFlows_->encrypt_database(); }); });
    connect(relays_[c.lockedIcon], &ClickRelay::doubleClicked, this,
            [this] { guarded([this] { passwordFlows_->change_password(); }); });
    connect(relays_[c.deletePictureButton], &ClickRelay::pressed, this,
            [this] { guarded([this] { pictureActions_->deletePicture(); }); });
}

void DeskWindow::closeEvent(QCloseEvent* event) {
    // Alt+F4 and the like end the program the same way as the close button; the window itself
    // never just disappears, which would leave the program running without a window.
    event->ignore();
    emit closeProgramRequested();
}

void DeskWindow::set_panel_width(int width) {
    resize(width, kHeight);
    setMask(shape_.intersected(QRegion(0, 0, width, kHeight)));
}

void DeskWindow::setUp() {
    guarded([this] {
        passwordFlows_->show_protection_icon();
        setMask(shape_);
        if (!controls_.pictureDrop->registerOn(controls_.pictureBox) ||
            !controls_.panelButtonDrop->registerOn(controls_.panelButton)) {
            services_.dialogs.message("注册拖动文件功能失败", "注意！");
            return;
        }
        state_.selectedDay = services_.clock.today();
        const DateTimeParts today = toParts(state_.selectedDay);
        controls_.calendar->setToday(QDate(today.year, today.month, today.day));
        dayLoader_->show_day(state_.selectedDay);
        state_.wheelMonth = today.month;
        set_panel_width(kClosedWidth);
        appearance_->load_appearance();
        dayLoader_->loadSelectedDayAtStart();
        monthList_->refresh_month_list();
    });
}

}  // namespace ledgerleaf

#include "desk/day_loader.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "core/date_time.h"
#include "desk/desk_controls.h"
#include "desk/desk_services.h"
#include "desk/desk_state.h"
#include "desk/desk_window.h"
#include "desk/month_list.h"
#include "desk/picture_bytes.h"
#include "platform/clock.h"
#include "platform/lunar/lunar_calendar.h"
#include "platform/widgets/picture_box.h"
#include "store/memo_database.h"

namespace ledgerleaf {

DayLoader::DayLoader(DeskControls& controls, DeskServices& services, DeskState& state,
                     MonthList& monthList, std::function<void(int)> setPanelWidth)
    : c_(controls),
      services_(services),
      state_(state),
      monthList_(monthList),
      setPanelWidth_(std::move(setPanelWidth)) {}

bool DayLoader::show_day(double date) {
    const DateTimeParts p = toParts(date);
    return c_.calendar->setDate(p.year, p.month, p.day);
}

void DayLoader::takeSelectedDate() {
    state_.selectedDay = datePart(c_.calendar->selectedDateTime());
    c_.dayLabel->setText(QString::fromStdString(dateText(state_.selectedDay)));
}

void DayLoader::setEditorText(const std::string& text) {
    // Loading a day is not an edit: it must not write anything.
    const QSignalBlocker block(c_.memoEditor);
    c_.memoEditor->setPlainText(QString::fromStdString(text));
}

void DayLoader::syncPictureControls() {
    const bool has = c_.pictureBox->hasPicture();
    c_.deletePictureButton->setVisible(has);
    c_.pictureHint->setVisible(!has);
}

void DayLoader::showRecordUnderCursor() {
    c_.pictureBox->showPicture(toQByteArray(services_.db.read_picture()));
    setEditorText(services_.db.read_memo());
    syncPictureControls();
}

void DayLoader::showEmptyDay() {
    setPanelWidth_(DeskWindow::kClosedWidth);
    c_.pictureBox->clearPicture();
    setEditorText(std::string());
    syncPictureControls();
}

void DayLoader::onDateSet() {
    takeSelectedDate();
    if (!services_.db.find_day(state_.selectedDay)) {
        showEmptyDay();
        return;
    }
    showRecordUnderCursor();
    setPanelWidth_(c_.pictureBox->hasPicture() ? DeskWindow::kOpenWidth : DeskWindow::kClosedWidth);
}

void DayLoader::onDayClicked() {
    monthList_.refresh_month_list();
    takeSelectedDate();
    if (!services_.db.find_day(state_.selectedDay)) {
        showEmptyDay();
        return;
    }
    // The panel keeps its width: the date-set event before this click has set it.
    showRecordUnderCursor();
}

void DayLoader::onDayHovered() {
    c_.calendar->setFocus(Qt::MouseFocusReason);
}

void DayLoader::goToToday() {
    show_day(services_.clock.today());
    state_.wheelMonth = toParts(services_.clock.now()).month;
}

void DayLoader::onWheel(int notches) {
    // The wheel moves within the current year of the clock; the counter keeps counting past
    // January and December while the calendar refuses those months.
    const int month = state_.wheelMonth - notches;
    const int year = toParts(services_.clock.now()).year;
    c_.calendar->setDate(year, month, 15);
    state_.wheelMonth = month;
}

void DayLoader::loadSelectedDayAtStart() {
    if (!services_.db.find_day(state_.selectedDay))
        return;
    showRecordUnderCursor();
    monthList_.refresh_month_list();
    if (c_.pictureBox->hasPicture())
        setPanelWidth_(DeskWindow::kOpenWidth);
}

}  // namespace ledgerleaf

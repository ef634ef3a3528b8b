#pragma once

#include <QDate>
#include <QWidget>

class QPainter;

namespace ledgerleaf {

// A month calendar with Chinese lunar dates: six weeks of one Gregorian month (Sunday first),
// each day with its lunar day below, the lunar month's name on its first day and the solar
// term on its day; the header names the Gregorian month and the lunar year (干支 and animal).
// It shows 1901-02-19 to 2048-12-31 and nothing outside.
//
// The selected date always lies in the shown month. Every change of the selection (a click on
// a day, setDate, the header arrows, the keyboard) queues dateSet, so it reaches the receiver
// after the code that caused it has returned. The control does nothing with the mouse wheel
// but report it.
class LunarCalendar : public QWidget {
    Q_OBJECT

  public:
    enum class Arrow { PreviousYear, PreviousMonth, NextMonth, NextYear };

    explicit LunarCalendar(QWidget* parent = nullptr);

    // The first and last day the calendar shows.
    static QDate firstDate();
    static QDate lastDate();

    // Shows that month and selects that day, then queues dateSet. Refuses, without any change
    // and without an event, a month outside 1..12, a day outside that month, a year after
    // 2048 and a date before 1901-02-19.
    bool setDate(int year, int month, int day);

    // The selected date (1901-02-19 until something else is selected).
    QDate selectedDate() const { return selected_; }
    // The selected date as a date-time value (days since 1899-12-30) at 23:59:59.
    double selectedDateTime() const;

    // The day marked as today; an invalid date marks none. The calendar reads no clock itself.
    void setToday(QDate today);
    QDate today() const { return today_; }

    // Where a day of the shown page and a header arrow are drawn; an empty rectangle for a day
    // that is not on the page or not in the range.
    QRect dayRect(QDate date) const;
    QRect arrowRect(Arrow arrow) const;

    // A strip of this height at the bottom is left empty (the desk puts a button there).
    void setFooterHeight(int pixels) {
        footer_ = pixels;
        update();
    }

    QSize sizeHint() const override { return {365, 262}; }
    QSize minimumSizeHint() const override { return {245, 190}; }

  signals:
    // Queued after every change of the selected date.
    void dateSet();
    // Queued after a left-button release on a day, behind that click's dateSet.
    void dayClicked();
    // At once when the mouse moves onto another day.
    void dayHovered();
    // The wheel turned by this many notches (delta / 120, truncated), positive away from the
    // user.
    void wheelNotches(int notches);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int footer_ = 0;
    // Selects a date inside the range and queues dateSet.
    void select(QDate date);
    // Moves the shown month by `months`, keeping the day number (clamped to the month and to
    // the range); false when the target month has no day in the range.
    bool moveMonths(int months);
    bool arrowEnabled(Arrow arrow) const;
    void queue(void (LunarCalendar::*signal)());

    // Geometry, from the widget's current size.
    QRect headerRect() const;
    QRect weekdayRect() const;
    QRect cellRect(int row, int column) const;
    QDate pageStart() const;
    // The day under a point, if it is a day of the range; invalid otherwise.
    QDate dayAt(QPoint point) const;
    // The arrow under a point; -1 for none.
    int arrowAt(QPoint point) const;

    void paintHeader(QPainter& painter) const;
    void paintWeekdays(QPainter& painter) const;
    void paintDay(QPainter& painter, QDate date, QRect cell) const;

    QDate selected_;
    QDate today_;
    QDate hovered_;          // the day under the mouse, for dayHovered and the hover shade
    QDate pressedDay_;       // the day the left button went down on
    int pressedArrow_ = -1;  // the arrow the left button went down on
};

}  // namespace ledgerleaf

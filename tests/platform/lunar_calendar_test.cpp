#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/lunar/lunar_calendar.h"

namespace ledgerleaf {
namespace {

using Arrow = LunarCalendar::Arrow;

std::string show(QDate date) {
    return date.toString(Qt::ISODate).toStdString();
}

// A shown calendar at the size the desk gives it, with a log of its events in the order they
// reach a receiver.
class LunarCalendarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        calendar.resize(365, 262);
        calendar.show();
        QObject::connect(&calendar, &LunarCalendar::dateSet,
                         [this] { log.push_back("dateSet " + show(calendar.selectedDate())); });
        QObject::connect(&calendar, &LunarCalendar::dayClicked,
                         [this] { log.push_back("dayClicked " + show(calendar.selectedDate())); });
        QObject::connect(&calendar, &LunarCalendar::dayHovered, [this] { log.push_back("hover"); });
        QObject::connect(&calendar, &LunarCalendar::wheelNotches, [this](int notches) {
            log.push_back("wheel " + std::to_string(notches));
        });
    }

    // Selects a date and lets its dateSet pass, then starts a fresh log.
    void start(QDate date) {
        ASSERT_TRUE(calendar.setDate(date.year(), date.month(), date.day())) << show(date);
        QApplication::processEvents();
        log.clear();
    }

    // A mouse move without buttons, delivered to the widget like one from the window system.
    void moveMouse(QPoint pos) {
        QMouseEvent move(QEvent::MouseMove, pos, calendar.mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&calendar, &move);
    }

    void turnWheel(int delta) {
        const QPointF pos = calendar.rect().center();
        QWheelEvent wheel(pos, calendar.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&calendar, &wheel);
    }

    // The centre of the cell left of a day's cell (the day before, unless it starts a row).
    QPoint leftOf(QDate date) const {
        const QRect cell = calendar.dayRect(date);
        return cell.center() - QPoint(cell.width(), 0);
    }

    LunarCalendar calendar;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(LunarCalendarTest, SetDateAcceptsOnlyRealDatesInsideTheRange) {
    struct Case {
        int year, month, day;
        bool accepted;
    };
    const Case cases[] = {
        {2023, 0, 10, false}, {2023, 13, 10, false}, {2023, 5, 0, false},  {2023, 5, 32, false},
        {2023, 4, 31, false}, {2024, 2, 29, true},   {2023, 2, 29, false}, {1901, 2, 18, false},
        {1901, 2, 19, true},  {2048, 12, 31, true},  {2049, 1, 1, false},  {1900, 6, 15, false},
        {0, 1, 1, false},     {-2023, 3, 1, false},  {2023, 3, 22, true},
    };
    const QDate before(2011, 4, 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        start(before);
        EXPECT_EQ(calendar.setDate(c.year, c.month, c.day), c.accepted);
        EXPECT_TRUE(log.empty()) << "the event must wait for the caller to return";
        QApplication::processEvents();
        if (c.accepted) {
            const QDate date(c.year, c.month, c.day);
            EXPECT_EQ(calendar.selectedDate(), date);
            EXPECT_FALSE(calendar.dayRect(date).isEmpty()) << "the selected day is on the page";
            EXPECT_EQ(log, Log{"dateSet " + show(date)});
        } else {
            EXPECT_EQ(calendar.selectedDate(), before);
            EXPECT_TRUE(log.empty());
        }
    }
}

TEST_F(LunarCalendarTest, SelectedDateTimeIsTheSelectedDayAt235959) {
    start(QDate(2011, 4, 10));
    // 2011-04-10 is day 40643 after 1899-12-30.
    EXPECT_NEAR(calendar.selectedDateTime(), 40643 + 86399.0 / 86400.0, 1e-9);
    start(QDate(1901, 2, 19));
    EXPECT_NEAR(calendar.selectedDateTime(), 416 + 86399.0 / 86400.0, 1e-9);
}

TEST_F(LunarCalendarTest, ClickQueuesDateSetThenDayClicked) {
    struct Case {
        const char* what;
        QDate start;
        std::function<QPoint(const LunarCalendar&)> where;
        Qt::MouseButton button;
        QDate selected;
        Log events;
    };
    const Case cases[] = {
        {"a day of the month", QDate(2023, 3, 22),
         [](const LunarCalendar& c) { return c.dayRect(QDate(2023, 3, 8)).center(); },
         Qt::LeftButton, QDate(2023, 3, 8), Log{"dateSet 2023-03-08", "dayClicked 2023-03-08"}},
        {"the selected day again", QDate(2023, 3, 22),
         [](const LunarCalendar& c) { return c.dayRect(QDate(2023, 3, 22)).center(); },
         Qt::LeftButton, QDate(2023, 3, 22), Log{"dateSet 2023-03-22", "dayClicked 2023-03-22"}},
        {"a day of the next month", QDate(2023, 3, 22),
         [](const LunarCalendar& c) { return c.dayRect(QDate(2023, 4, 1)).center(); },
         Qt::LeftButton, QDate(2023, 4, 1), Log{"dateSet 2023-04-01", "dayClicked 2023-04-01"}},
        {"the right button", QDate(2023, 3, 22),
         [](const LunarCalendar& c) { return c.dayRect(QDate(2023, 3, 8)).center(); },
         Qt::RightButton, QDate(2023, 3, 22), Log{}},
        {"the day before the first day", QDate(1901, 2, 25),
         [](const LunarCalendar& c) {
             const QRect first = c.dayRect(QDate(1901, 2, 19));
             return first.center() - QPoint(first.width(), 0);
         },
         Qt::LeftButton, QDate(1901, 2, 25), Log{}},
        {"the weekday heads", QDate(2023, 3, 22),
         [](const LunarCalendar& c) {
             return c.dayRect(QDate(2023, 3, 1)).topLeft() + QPoint(5, -8);
         },
         Qt::LeftButton, QDate(2023, 3, 22), Log{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start(c.start);
        QTest::mouseClick(&calendar, c.button, Qt::NoModifier, c.where(calendar));
        EXPECT_TRUE(log.empty()) << "nothing may be raised while the click is handled";
        QApplication::processEvents();
        EXPECT_EQ(log, c.events);
        EXPECT_EQ(calendar.selectedDate(), c.selected);
        EXPECT_FALSE(calendar.dayRect(c.selected).isEmpty());
    }
}

TEST_F(LunarCalendarTest, HoverIsRaisedAtOnceOnEachNewDay) {
    start(QDate(2023, 3, 22));
    const QRect eighth = calendar.dayRect(QDate(2023, 3, 8));
    const QRect ninth = calendar.dayRect(QDate(2023, 3, 9));

    moveMouse(eighth.center());
    EXPECT_EQ(log, Log{"hover"}) << "raised at once, without waiting for the event loop";
    moveMouse(eighth.topLeft() + QPoint(3, 3));
    EXPECT_EQ(log.size(), 1u) << "moving within the same day is not another day";
    moveMouse(ninth.center());
    EXPECT_EQ(log.size(), 2u);
    moveMouse(calendar.arrowRect(Arrow::NextMonth).center());
    EXPECT_EQ(log.size(), 2u) << "the header is no day";
    moveMouse(ninth.center());
    EXPECT_EQ(log.size(), 3u) << "coming back onto a day counts again";

    start(QDate(1901, 2, 25));
    moveMouse(leftOf(QDate(1901, 2, 19)));
    EXPECT_TRUE(log.empty()) << "1901-02-18 is not a day of the calendar";
    moveMouse(calendar.dayRect(QDate(1901, 2, 19)).center());
    EXPECT_EQ(log, Log{"hover"});
    QApplication::processEvents();
    EXPECT_EQ(log, Log{"hover"}) << "hovering selects nothing";
}

TEST_F(LunarCalendarTest, WheelReportsWholeNotchesAndDoesNothingElse) {
    struct Case {
        int delta;
        Log events;
    };
    const Case cases[] = {
        {240, Log{"wheel 2"}},
        {-120, Log{"wheel -1"}},
        {-300, Log{"wheel -2"}},  // truncated toward zero
        {60, Log{}},              // less than a notch
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.delta);
        start(QDate(2023, 3, 22));
        turnWheel(c.delta);
        QApplication::processEvents();
        EXPECT_EQ(log, c.events);
        EXPECT_EQ(calendar.selectedDate(), QDate(2023, 3, 22));
    }
}

TEST_F(LunarCalendarTest, OwnNavigationKeepsTheSelectionOnThePage) {
    struct Case {
        QDate start;
        std::function<void(LunarCalendar&)> act;
        QDate selected;  // equal to start: refused, no event
    };
    const auto click = [](Arrow arrow) {
        return [arrow](LunarCalendar& c) {
            QTest::mouseClick(&c, Qt::LeftButton, Qt::NoModifier, c.arrowRect(arrow).center());
        };
    };
    const auto key = [](Qt::Key k) { return [k](LunarCalendar& c) { QTest::keyClick(&c, k); }; };
    const Case cases[] = {
        {QDate(2023, 3, 31), click(Arrow::NextMonth), QDate(2023, 4, 30)},
        {QDate(2023, 3, 31), click(Arrow::PreviousMonth), QDate(2023, 2, 28)},
        {QDate(2024, 2, 29), click(Arrow::NextYear), QDate(2025, 2, 28)},
        {QDate(2023, 1, 15), click(Arrow::PreviousYear), QDate(2022, 1, 15)},
        {QDate(2023, 12, 15), click(Arrow::NextMonth), QDate(2024, 1, 15)},
        // The range limits: clamp into it, or refuse a month with no day in it.
        {QDate(1901, 3, 10), click(Arrow::PreviousMonth), QDate(1901, 2, 19)},
        {QDate(1902, 2, 10), click(Arrow::PreviousYear), QDate(1901, 2, 19)},
        {QDate(1901, 2, 25), click(Arrow::PreviousMonth), QDate(1901, 2, 25)},
        {QDate(1901, 12, 25), click(Arrow::PreviousYear), QDate(1901, 12, 25)},
        {QDate(2048, 12, 5), click(Arrow::NextMonth), QDate(2048, 12, 5)},
        {QDate(2048, 3, 10), click(Arrow::NextYear), QDate(2048, 3, 10)},
        // The keyboard moves the selection the same way.
        {QDate(2023, 3, 31), key(Qt::Key_Right), QDate(2023, 4, 1)},
        {QDate(2023, 3, 3), key(Qt::Key_Up), QDate(2023, 2, 24)},
        {QDate(2023, 1, 31), key(Qt::Key_PageDown), QDate(2023, 2, 28)},
        {QDate(1901, 2, 19), key(Qt::Key_Left), QDate(1901, 2, 19)},
        {QDate(2048, 12, 31), key(Qt::Key_Right), QDate(2048, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << show(c.start) << " -> " << show(c.selected));
        start(c.start);
        c.act(calendar);
        QApplication::processEvents();
        EXPECT_EQ(calendar.selectedDate(), c.selected);
        EXPECT_FALSE(calendar.dayRect(c.selected).isEmpty()) << "the selection is on the page";
        if (c.selected == c.start) {
            EXPECT_TRUE(log.empty());
        } else {
            EXPECT_EQ(log, Log{"dateSet " + show(c.selected)});
        }
    }
}

// Every month of the range is drawn, the partly covered first and last pages among them.
TEST_F(LunarCalendarTest, DrawsEveryMonthOfTheRange) {
    calendar.setToday(QDate(2023, 3, 8));
    for (QDate month(1901, 2, 19); month <= QDate(2048, 12, 1); month = month.addMonths(1)) {
        ASSERT_TRUE(calendar.setDate(month.year(), month.month(), month.day()));
        ASSERT_FALSE(calendar.grab().isNull()) << show(month);
        month.setDate(month.year(), month.month(), 1);
    }
}

}  // namespace
}  // namespace ledgerleaf

#include "platform/lunar/lunar_calendar.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <optional>

#include "core/date_time.h"
#include "platform/lunar/lunar_names.h"
#include "platform/lunar/lunar_table.h"

namespace ledgerleaf {
namespace {

// The page and its inks.
const QColor kPaper(0xff, 0xfd, 0xf7);
const QColor kHeaderBand(0xf2, 0xea, 0xdc);
const QColor kRule(0xdd, 0xd3, 0xc2);
const QColor kInk(0x2b, 0x2b, 0x2b);
const QColor kWeekendInk(0xc0, 0x39, 0x2b);
const QColor kLunarInk(0x7a, 0x70, 0x64);
const QColor kMonthStartInk(0xb4, 0x5f, 0x06);
const QColor kSolarTermInk(0x1e, 0x7d, 0x3a);
const QColor kMutedInk(0xc2, 0xba, 0xad);
const QColor kArrowInk(0x6e, 0x60, 0x4e);
const QColor kSelectedFill(0xd9, 0xe7, 0xfb);
const QColor kSelectedEdge(0x4f, 0x86, 0xd6);
const QColor kHoverFill(0xf1, 0xeb, 0xe0);
const QColor kTodayEdge(0xe0, 0x66, 0x2f);

constexpr std::array<const char*, 7> kWeekdayHeads = {"日", "一", "二", "三", "四", "五", "六"};
constexpr std::array<const char*, 7> kWeekdayNames = {"星期日", "星期一", "星期二", "星期三",
                                                      "星期四", "星期五", "星期六"};
constexpr std::array<const char*, 4> kArrowTips = {"上一年", "上一月", "下一月", "下一年"};

constexpr int kRows = 6;
constexpr int kColumns = 7;

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::optional<LunarDate> lunarOf(QDate date) {
    return LunarTable::find(date.year(), date.month(), date.day());
}

bool inRange(QDate date) {
    return date.isValid() && date >= LunarCalendar::firstDate() &&
           date <= LunarCalendar::lastDate();
}

bool isWeekend(QDate date) {
    return date.dayOfWeek() >= 6;  // Saturday 6, Sunday 7
}

QFont sized(QFont font, int pixels, int weight = QFont::Normal) {
    font.setPixelSize(std::max(pixels, 8));
    font.setWeight(QFont::Weight(weight));
    return font;
}

// The lunar year with its animal, for the header and the tooltips: 癸卯年 兔.
QString lunarYearText(int lunarYear) {
    return text(yearStemBranch(lunarYear)) + QStringLiteral("年 ") + text(zodiacAnimal(lunarYear));
}

}  // namespace

LunarCalendar::LunarCalendar(QWidget* parent) : QWidget(parent), selected_(firstDate()) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
}

QDate LunarCalendar::firstDate() {
    return QDate(LunarTable::kFirstYear, LunarTable::kFirstMonth, LunarTable::kFirstDay);
}

QDate LunarCalendar::lastDate() {
    return QDate(LunarTable::kLastYear, LunarTable::kLastMonth, LunarTable::kLastDay);
}

bool LunarCalendar::setDate(int year, int month, int day) {
    if (month < 1 || month > 12 || year > LunarTable::kLastYear)
        return false;
    const QDate date(year, month, day);
    if (!inRange(date))
        return false;  // an impossible day, or a date before the first day
    select(date);
    return true;
}

double LunarCalendar::selectedDateTime() const {
    const DateTimeParts parts{selected_.year(), selected_.month(), selected_.day(), 23, 59, 59};
    return fromParts(parts).value();  // every date of the range has a value
}

void LunarCalendar::setToday(QDate today) {
    today_ = today;
    update();
}

void LunarCalendar::select(QDate date) {
    selected_ = date;
    update();
    queue(&LunarCalendar::dateSet);
}

void LunarCalendar::queue(void (LunarCalendar::*signal)()) {
    QMetaObject::invokeMethod(
        this, [this, signal] { emit(this->*signal)(); }, Qt::QueuedConnection);
}

bool LunarCalendar::moveMonths(int months) {
    const QDate first = QDate(selected_.year(), selected_.month(), 1).addMonths(months);
    if (!first.isValid() || first > lastDate())
        return false;
    const QDate last = first.addDays(first.daysInMonth() - 1);
    if (last < firstDate())
        return false;
    const QDate target(first.year(), first.month(), std::min(selected_.day(), first.daysInMonth()));
    select(std::clamp(target, firstDate(), lastDate()));
    return true;
}

bool LunarCalendar::arrowEnabled(Arrow arrow) const {
    const QDate first = QDate(selected_.year(), selected_.month(), 1);
    const int months = arrow == Arrow::PreviousYear    ? -12
                       : arrow == Arrow::PreviousMonth ? -1
                       : arrow == Arrow::NextMonth     ? 1
                                                       : 12;
    const QDate target = first.addMonths(months);
    return target <= lastDate() && target.addDays(target.daysInMonth() - 1) >= firstDate();
}

// ---- geometry ----

QRect LunarCalendar::headerRect() const {
    return QRect(0, 0, width(), std::max(20, height() * 28 / 262));
}

QRect LunarCalendar::weekdayRect() const {
    const QRect header = headerRect();
    return QRect(0, header.bottom() + 1, width(), std::max(14, height() * 20 / 262));
}

QRect LunarCalendar::cellRect(int row, int column) const {
    const int top = weekdayRect().bottom() + 1;
    const int rows = height() - footer_ - top;
    const int y0 = top + row * rows / kRows;
    const int y1 = top + (row + 1) * rows / kRows;
    const int x0 = column * width() / kColumns;
    const int x1 = (column + 1) * width() / kColumns;
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

QDate LunarCalendar::pageStart() const {
    const QDate first(selected_.year(), selected_.month(), 1);
    return first.addDays(-(first.dayOfWeek() % 7));  // back to Sunday
}

QRect LunarCalendar::dayRect(QDate date) const {
    if (!inRange(date))
        return {};
    const qint64 index = pageStart().daysTo(date);
    if (index < 0 || index >= kRows * kColumns)
        return {};
    return cellRect(int(index / kColumns), int(index % kColumns));
}

QRect LunarCalendar::arrowRect(Arrow arrow) const {
    const QRect header = headerRect();
    const int w = std::max(20, header.height());
    switch (arrow) {
        case Arrow::PreviousYear:
            return QRect(4, 0, w, header.height());
        case Arrow::PreviousMonth:
            return QRect(4 + w, 0, w, header.height());
        case Arrow::NextMonth:
            return QRect(width() - 4 - 2 * w, 0, w, header.height());
        case Arrow::NextYear:
            return QRect(width() - 4 - w, 0, w, header.height());
    }
    return {};
}

QDate LunarCalendar::dayAt(QPoint point) const {
    const int top = weekdayRect().bottom() + 1;
    if (point.y() < top || point.y() >= height() - footer_ || point.x() < 0 ||
        point.x() >= width()) {
        return {};
    }
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (cellRect(row, column).contains(point)) {
                const QDate date = pageStart().addDays(row * kColumns + column);
                return inRange(date) ? date : QDate();
            }
        }
    }
    return {};
}

int LunarCalendar::arrowAt(QPoint point) const {
    for (int i = 0; i < 4; ++i) {
        if (arrowRect(Arrow(i)).contains(point))
            return i;
    }
    return -1;
}

// ---- input ----

void LunarCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    pressedArrow_ = arrowAt(point);
    pressedDay_ = dayAt(point);
}

void LunarCalendar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const int arrow = pressedArrow_;
    const bool fromDay = pressedDay_.isValid();
    pressedArrow_ = -1;
    pressedDay_ = QDate();
    if (arrow >= 0 && arrowAt(point) == arrow) {
        static constexpr int kSteps[] = {-12, -1, 1, 12};
        moveMonths(kSteps[arrow]);
        return;
    }
    const QDate day = dayAt(point);
    if (fromDay && day.isValid()) {
        select(day);
        queue(&LunarCalendar::dayClicked);
    }
}

void LunarCalendar::mouseMoveEvent(QMouseEvent* event) {
    const QDate day = dayAt(event->position().toPoint());
    if (day == hovered_)
        return;
    hovered_ = day;
    update();
    if (day.isValid())
        emit dayHovered();
}

void LunarCalendar::leaveEvent(QEvent*) {
    hovered_ = QDate();
    update();
}

void LunarCalendar::wheelEvent(QWheelEvent* event) {
    event->accept();
    const int notches = event->angleDelta().y() / 120;  // C++ division truncates toward zero
    if (notches != 0)
        emit wheelNotches(notches);
}

void LunarCalendar::keyPressEvent(QKeyEvent* event) {
    QDate target;
    switch (event->key()) {
        case Qt::Key_Left:
            target = selected_.addDays(-1);
            break;
        case Qt::Key_Right:
            target = selected_.addDays(1);
            break;
        case Qt::Key_Up:
            target = selected_.addDays(-7);
            break;
        case Qt::Key_Down:
            target = selected_.addDays(7);
            break;
        case Qt::Key_PageUp:
            moveMonths(-1);
            return;
        case Qt::Key_PageDown:
            moveMonths(1);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (inRange(target))
        select(target);
}

bool LunarCalendar::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    QString tip;
    if (const int arrow = arrowAt(help->pos()); arrow >= 0) {
        tip = QString::fromUtf8(kArrowTips[arrow]);
    } else if (const QDate day = dayAt(help->pos()); day.isValid()) {
        const LunarDate lunar = *lunarOf(day);
        tip = QStringLiteral("%1年%2月%3日 %4\n农历%5 %6%7")
                  .arg(day.year())
                  .arg(day.month())
                  .arg(day.day())
                  .arg(QString::fromUtf8(kWeekdayNames[day.dayOfWeek() % 7]),
                       lunarYearText(lunar.year), text(lunarMonthName(lunar.month, lunar.leap)),
                       text(lunarDayName(lunar.day)));
        if (lunar.solarTerm >= 0)
            tip += QLatin1Char(' ') + text(solarTermName(lunar.solarTerm));
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

// ---- painting ----

void LunarCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kPaper);
    paintHeader(painter);
    paintWeekdays(painter);
    const QDate start = pageStart();
    for (int i = 0; i < kRows * kColumns; ++i) {
        const QDate date = start.addDays(i);
        if (inRange(date))
            paintDay(painter, date, cellRect(i / kColumns, i % kColumns));
    }
    painter.setPen(kRule);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void LunarCalendar::paintHeader(QPainter& painter) const {
    const QRect header = headerRect();
    painter.fillRect(header, kHeaderBand);

    // Arrows as drawn chevrons: one for a month, two for a year.
    for (int i = 0; i < 4; ++i) {
        const Arrow arrow = Arrow(i);
        const QRectF box = arrowRect(arrow);
        const bool back = arrow == Arrow::PreviousYear || arrow == Arrow::PreviousMonth;
        const int count = arrow == Arrow::PreviousYear || arrow == Arrow::NextYear ? 2 : 1;
        const qreal h = box.height() * 0.16;
        const qreal step = h * 1.1;
        QPainterPath path;
        for (int c = 0; c < count; ++c) {
            const qreal offset = (c - (count - 1) / 2.0) * step;
            const qreal tipX = box.center().x() + (back ? -h / 2 : h / 2) + offset;
            const qreal tailX = box.center().x() + (back ? h / 2 : -h / 2) + offset;
            path.moveTo(tailX, box.center().y() - h);
            path.lineTo(tipX, box.center().y());
            path.lineTo(tailX, box.center().y() + h);
        }
        QPen pen(arrowEnabled(arrow) ? kArrowInk : kMutedInk, 1.7);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }

    // 2023年3月  癸卯年 兔, centred between the arrows.
    const QString month = QStringLiteral("%1年%2月").arg(selected_.year()).arg(selected_.month());
    const QString year = lunarYearText(lunarOf(selected_)->year);
    const QFont monthFont = sized(font(), header.height() * 15 / 28, QFont::Bold);
    const QFont yearFont = sized(font(), header.height() * 13 / 28);
    const int gap = header.height() / 2;
    const int monthWidth = QFontMetrics(monthFont).horizontalAdvance(month);
    const int yearWidth = QFontMetrics(yearFont).horizontalAdvance(year);
    int x = header.center().x() - (monthWidth + gap + yearWidth) / 2;
    painter.setFont(monthFont);
    painter.setPen(kInk);
    painter.drawText(QRect(x, header.top(), monthWidth, header.height()), Qt::AlignCenter, month);
    x += monthWidth + gap;
    painter.setFont(yearFont);
    painter.setPen(kMonthStartInk);
    painter.drawText(QRect(x, header.top(), yearWidth, header.height()), Qt::AlignCenter, year);
}

void LunarCalendar::paintWeekdays(QPainter& painter) const {
    const QRect row = weekdayRect();
    painter.setFont(sized(font(), row.height() * 12 / 20));
    for (int column = 0; column < kColumns; ++column) {
        const QRect cell(cellRect(0, column).left(), row.top(), cellRect(0, column).width(),
                         row.height());
        const bool weekend = column == 0 || column == 6;
        painter.setPen(weekend ? kWeekendInk : kLunarInk);
        painter.drawText(cell, Qt::AlignCenter, QString::fromUtf8(kWeekdayHeads[column]));
    }
    painter.setPen(kRule);
    painter.drawLine(QPointF(4, row.bottom() + 0.5), QPointF(width() - 4, row.bottom() + 0.5));
}

void LunarCalendar::paintDay(QPainter& painter, QDate date, QRect cell) const {
    const LunarDate lunar = *lunarOf(date);
    const bool muted = date.month() != selected_.month();
    const QRectF box = QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = 4;

    if (date == selected_) {
        painter.setPen(QPen(kSelectedEdge, 1));
        painter.setBrush(kSelectedFill);
        painter.drawRoundedRect(box, radius, radius);
    } else if (date == hovered_) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kHoverFill);
        painter.drawRoundedRect(box, radius, radius);
    }
    if (date == today_) {
        painter.setPen(QPen(kTodayEdge, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }

    // Gregorian day above, lunar text below.
    const int numberHeight = cell.height() * 19 / 36;
    const QRect numberBox(cell.left(), cell.top(), cell.width(), numberHeight);
    const QRect lunarBox(cell.left(), cell.top() + numberHeight, cell.width(),
                         cell.height() - numberHeight);

    painter.setFont(sized(font(), cell.height() * 15 / 36, QFont::DemiBold));
    painter.setPen(muted ? kMutedInk : isWeekend(date) ? kWeekendInk : kInk);
    painter.drawText(numberBox, Qt::AlignHCenter | Qt::AlignBottom, QString::number(date.day()));

    QColor ink = kLunarInk;
    if (lunar.day == 1) {
        ink = kMonthStartInk;
    } else if (lunar.solarTerm >= 0) {
        ink = kSolarTermInk;
    }
    if (muted)
        ink = kMutedInk;
    const QString below = text(lunarCellText(lunar));
    QFont lunarFont = sized(font(), cell.height() * 12 / 36);
    // A long name (闰十一月) shrinks rather than spill into the next cell.
    while (lunarFont.pixelSize() > 8 &&
           QFontMetrics(lunarFont).horizontalAdvance(below) > cell.width() - 4) {
        lunarFont.setPixelSize(lunarFont.pixelSize() - 1);
    }
    painter.setFont(lunarFont);
    painter.setPen(ink);
    painter.drawText(lunarBox, Qt::AlignHCenter | Qt::AlignTop, below);
}

}  // namespace ledgerleaf

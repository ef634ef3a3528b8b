#include "platform/widgets/system_clock.h"

#include "core/date_time.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace ledgerleaf {

double SystemClock::now() const {
    const QDateTime moment = QDateTime::currentDateTime();
    const QDate date = moment.date();
    const QTime time = moment.time();
    const auto value = fromParts(DateTimeParts{date.year(), date.month(), date.day(), time.hour(),
                                               time.minute(), time.second()});
    if (value)
        return *value;
    // Outside 0100..9999 (a badly set system clock): the nearest end of the range.
    return clampDateTime(date.year() < 100 ? kFirstDay - 1 : kLastDay + 1);
}

void SystemClock::waitProcessingEvents(int milliseconds) {
    QCoreApplication::processEvents();
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void SystemClock::processPendingEvents() {
    QCoreApplication::processEvents();
}

}  // namespace ledgerleaf

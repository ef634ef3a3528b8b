#include "platform/widgets/system_clock.h"

#include "core/date_time.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimer>

#include <cmath>

namespace ledgerleaf {
namespace {

TEST(SystemClock, NowIsTheLocalDateAndTime) {
    SystemClock clock;
    const QDateTime before = QDateTime::currentDateTime();
    const double now = clock.now();
    const QDateTime after = QDateTime::currentDateTime();
    const DateTimeParts parts = toParts(now);
    const QDateTime seen(QDate(parts.year, parts.month, parts.day),
                         QTime(parts.hour, parts.minute, parts.second));
    EXPECT_GE(seen.secsTo(after), 0);
    EXPECT_LE(before.secsTo(seen), 1);
    EXPECT_EQ(clock.today(), datePart(now));
    EXPECT_EQ(clock.today(), std::floor(clock.today()));
}

TEST(SystemClock, WaitsKeepProcessingEvents) {
    SystemClock clock;
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    clock.processPendingEvents();
    EXPECT_TRUE(fired);

    // A timer due while the wait runs fires inside it.
    fired = false;
    QTimer::singleShot(10, [&] { fired = true; });
    clock.waitProcessingEvents(200);
    EXPECT_TRUE(fired);
}

}  // namespace
}  // namespace ledgerleaf

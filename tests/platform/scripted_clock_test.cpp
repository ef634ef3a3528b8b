#include "platform/scripted_clock.h"

#include "core/date_time.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace ledgerleaf {
namespace {

TEST(ScriptedClock, TimeIsWhatTheTestSets) {
    ScriptedClock clock;
    EXPECT_EQ(toParts(clock.now()), (DateTimeParts{2011, 4, 10, 9, 30, 0}));
    clock.setNow(2024, 2, 29, 23, 59, 59);
    EXPECT_EQ(toParts(clock.now()), (DateTimeParts{2024, 2, 29, 23, 59, 59}));
    EXPECT_EQ(dateText(clock.today()), "2024年2月29日");
    EXPECT_EQ(dateTimeText(clock.today()), "2024年2月29日");
    clock.setNow(-1.25);
    EXPECT_EQ(clock.today(), -1.0);
    EXPECT_THROW(clock.setNow(2023, 2, 29), std::invalid_argument);
}

TEST(ScriptedClock, WaitsAreRecordedAndRunTheEventHook) {
    ScriptedClock clock;
    const double before = clock.now();
    clock.waitProcessingEvents(1000);
    clock.processPendingEvents();
    EXPECT_EQ(clock.waits(), std::vector<int>{1000});
    EXPECT_EQ(clock.eventRuns(), 1);

    int hookRuns = 0;
    clock.setEventHook([&] { ++hookRuns; });
    clock.waitProcessingEvents(500);
    clock.processPendingEvents();
    EXPECT_EQ(hookRuns, 2);
    EXPECT_EQ(clock.waits(), (std::vector<int>{1000, 500}));
    EXPECT_EQ(clock.now(), before);  // waiting does not move the time
}

}  // namespace
}  // namespace ledgerleaf

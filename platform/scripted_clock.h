#pragma once

#include "platform/clock.h"

#include <functional>
#include <utility>
#include <vector>

namespace ledgerleaf {

// A clock for tests: the time is whatever the test sets (it does not move by itself, not even
// during waits), and waits return at once after recording how long the program asked to wait.
// A test that drives windows sets an event hook (QCoreApplication::processEvents) so the
// waits still let pending window events run.
class ScriptedClock : public Clock {
  public:
    // Starts at 2011-04-10 09:30:00, a fixed moment so no test depends on the day it runs.
    ScriptedClock();

    double now() const override { return now_; }
    void setNow(double value) { now_ = value; }
    // Sets the local date and time; throws std::invalid_argument for parts that name no moment.
    void setNow(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    void waitProcessingEvents(int milliseconds) override;
    void processPendingEvents() override;

    // Called by every wait and by processPendingEvents.
    void setEventHook(std::function<void()> hook) { hook_ = std::move(hook); }

    // The waits asked for so far, in milliseconds, in order.
    const std::vector<int>& waits() const { return waits_; }
    // How often processPendingEvents was called.
    int eventRuns() const { return eventRuns_; }

  private:
    double now_ = 0;
    std::function<void()> hook_;
    std::vector<int> waits_;
    int eventRuns_ = 0;
};

}  // namespace ledgerleaf

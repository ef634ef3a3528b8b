#include "platform/scripted_clock.h"

#include "core/date_time.h"

#include <stdexcept>

namespace ledgerleaf {

ScriptedClock::ScriptedClock() {
    setNow(2011, 4, 10, 9, 30, 0);
}

void ScriptedClock::setNow(int year, int month, int day, int hour, int minute, int second) {
    const auto value = fromParts(DateTimeParts{year, month, day, hour, minute, second});
    if (!value)
        throw std::invalid_argument("ScriptedClock::setNow: no such date and time");
    now_ = *value;
}

void ScriptedClock::waitProcessingEvents(int milliseconds) {
    waits_.push_back(milliseconds);
    if (hook_)
        hook_();
}

void ScriptedClock::processPendingEvents() {
    ++eventRuns_;
    if (hook_)
        hook_();
}

}  // namespace ledgerleaf

#pragma once

#include "platform/clock.h"

namespace ledgerleaf {

// The computer's clock in local time, and real waits during which window events keep being
// processed.
class SystemClock : public Clock {
  public:
    double now() const override;
    void waitProcessingEvents(int milliseconds) override;
    void processPendingEvents() override;
};

}  // namespace ledgerleaf

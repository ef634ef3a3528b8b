#pragma once

namespace ledgerleaf {

// Time as the program sees it. The program uses the system clock and real waits; tests set the
// date and time and shorten the waits, so no test depends on the day it runs.
class Clock {
  public:
    virtual ~Clock() = default;

    // The current local date and time as a date-time value (days since 1899-12-30).
    virtual double now() const = 0;
    // Today at 00:00:00.
    double today() const;

    // Lets pending window events run, then waits `milliseconds` while still processing window
    // events (the start splash and the collapse/restore/close animations).
    virtual void waitProcessingEvents(int milliseconds) = 0;
    // Lets pending window events run once.
    virtual void processPendingEvents() = 0;
};

}  // namespace ledgerleaf

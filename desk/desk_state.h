#pragma once

namespace ledgerleaf {

// What the desk remembers between events.
struct DeskState {
    // The day whose memo and picture the desk shows (date part only, as a date-time value).
    double selectedDay = 0;
    // Month counter of the mouse-wheel navigation: a month number of the current year that
    // may leave 1..12.
    int wheelMonth = 1;
};

}  // namespace ledgerleaf

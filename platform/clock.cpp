#include "platform/clock.h"

#include "core/date_time.h"

namespace ledgerleaf {

double Clock::today() const {
    return datePart(now());
}

}  // namespace ledgerleaf

#include "minute_guard.h"

namespace alerts {

// Clear at start, so the alert test runs at the first tick.
MinuteGuard& AlertMinuteGuard() {
    static MinuteGuard guard;
    return guard;
}

}  // namespace alerts

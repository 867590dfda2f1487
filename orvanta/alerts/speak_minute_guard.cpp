#include "minute_guard.h"

namespace alerts {

MinuteGuard& SpeakMinuteGuard() {
    static MinuteGuard guard;
    return guard;
}

}  // namespace alerts

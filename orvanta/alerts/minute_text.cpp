#include "minute_text.h"

#include <cstdio>

namespace alerts {

void MinuteText(unsigned hour, unsigned minute, uint32_t hFormat, char (&text)[kMinuteTextSize]) {
    unsigned h = hour;
    if (h == 0 && hFormat == 0) h = 24;
    if (hFormat != 1 && h > 12) h -= 12;
    std::snprintf(text, sizeof text, "%u:%02u", h % 100, minute % 100);
}

const char* AmPmSuffix(unsigned hour) {
    return hour < 12 ? "AM" : "PM";
}

}  // namespace alerts

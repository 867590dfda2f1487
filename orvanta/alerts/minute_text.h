// The current minute as the alert, shutdown and speaking tests compare it:
// hour without a leading zero, ":", two-digit minute, e.g. "9:30".
#pragma once

#include <cstddef>
#include <cstdint>

namespace alerts {

constexpr size_t kMinuteTextSize = 8;

// hour 0 to 23; hFormat 1 is the 24-hour clock, anything else the 12-hour
// clock, where midnight and noon are 12.
void MinuteText(unsigned hour, unsigned minute, uint32_t hFormat, char (&text)[kMinuteTextSize]);

// "AM" for hours 0 to 11, "PM" for 12 to 23.
const char* AmPmSuffix(unsigned hour);

}  // namespace alerts

#include "clipboard_text.h"

#include <cstring>

#include "clock_text.h"

namespace utilities {

std::string_view ClockTextWithoutMargins(const char* clockString, size_t bufferSize) {
    constexpr size_t kMargins = 2 * clocktext::kClockMargin;
    const size_t length = strnlen(clockString, bufferSize);
    if (length < kMargins) return {};
    return std::string_view(clockString + clocktext::kClockMargin, length - kMargins);
}

}  // namespace utilities

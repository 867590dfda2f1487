// What "copy the time" puts on the clipboard.
#pragma once

#include <cstddef>
#include <string_view>

namespace utilities {

// The clock string without the four margin spaces on each side. A string
// shorter than both margins (before the first tick) gives empty text. Reads
// at most bufferSize bytes, so an unterminated buffer is safe.
std::string_view ClockTextWithoutMargins(const char* clockString, size_t bufferSize);

}  // namespace utilities

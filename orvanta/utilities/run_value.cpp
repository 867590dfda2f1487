#include "run_value.h"

#include <cstring>

namespace utilities {

std::string RunValueText(const char* modulePath, size_t pathBufferSize) {
    const std::string path(modulePath, strnlen(modulePath, pathBufferSize));
    return '"' + path + '"';
}

}  // namespace utilities

// The Run key entry that starts the program with Windows.
#pragma once

#include <cstddef>
#include <string>

namespace utilities {

constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValueName[] = "ORV Pro";

// The program's path in double quotes, so a path with spaces starts as one
// command. Reads at most pathBufferSize bytes of the path.
std::string RunValueText(const char* modulePath, size_t pathBufferSize);

}  // namespace utilities

// Shutting the computer down at once: the handler of the shutdown message.
#pragma once

#include <windows.h>

namespace utilities {

// Asks Windows to shut down and ends the program without storing anything
// or removing the tray icon. Never returns.
[[noreturn]] void ShutDownNow();

}  // namespace utilities

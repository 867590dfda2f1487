#pragma once

#include <windows.h>

namespace alerts {

// Plays an AVI file to its end in the video device's own window; the main
// thread waits for it, and a second longer.
void PlayVideo(HWND mainWindow, const char* path);

}  // namespace alerts

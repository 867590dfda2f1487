// The tick's alert and shutdown tests: on a match they post the alert or
// shutdown message to the main window.
#pragma once

#include <windows.h>

namespace alerts {

// Runs after the tick has rebuilt the clock string, on its snapshot.
void RunTickTests(HWND mainWindow);

}  // namespace alerts

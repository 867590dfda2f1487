// Maximise-all and centre-all: every window that comes to the foreground is
// arranged once, by a timer of the main window that runs while its option
// is on. The two options exclude each other.
#pragma once

#include <windows.h>

namespace utilities {

// Starts the timers of the options that the loaded settings switch on.
void StartArrangingTimers(HWND mainWindow);
void StopArrangingTimers(HWND mainWindow);

// The menu switches; each refuses with a message while the other is on.
void SwitchMaximizeAll(HWND mainWindow);
void SwitchCenterAll(HWND mainWindow);

}  // namespace utilities

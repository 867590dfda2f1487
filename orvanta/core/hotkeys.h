// Shift+Ctrl+Alt with F6 to F12, registered on the main window for the run.
#pragma once

#include <windows.h>

namespace orvanta {

void RegisterHotkeys(HWND mainWindow);
void UnregisterHotkeys(HWND mainWindow);
void OnHotkey(HWND mainWindow, LPARAM keys);

// Shift+Ctrl+Alt+F7 moves to the desktop cover while it is open and back to
// the main window when it closes.
void MoveHideDesktopHotkey(HWND from, HWND to);
bool IsHideDesktopHotkey(LPARAM keys);

}  // namespace orvanta

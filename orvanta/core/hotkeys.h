// Shift+Ctrl+Alt with F6 to F12, registered on the main window for the run.
#pragma once

#include <windows.h>

namespace orvanta {

void RegisterHotkeys(HWND mainWindow);
void UnregisterHotkeys(HWND mainWindow);
void OnHotkey(HWND mainWindow, LPARAM keys);

}  // namespace orvanta

#pragma once

#include <windows.h>

namespace orvanta {

// The notification-area icon is not built yet: these do nothing.
void AddTrayIcon(HWND mainWindow);
void RemoveTrayIcon(HWND mainWindow);
void OnTrayNotification(HWND mainWindow, WPARAM id, LPARAM event);

}  // namespace orvanta

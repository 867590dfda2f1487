// The icon in the notification area: the program's only visible presence.
#pragma once

#include <windows.h>

namespace orvanta {

void AddTrayIcon(HWND mainWindow);
void RemoveTrayIcon(HWND mainWindow);
// The icon's callback message: wParam the icon id, lParam the mouse message.
void OnTrayNotification(HWND mainWindow, WPARAM id, LPARAM event);

}  // namespace orvanta

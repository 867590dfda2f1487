#include "tray_icon.h"

namespace orvanta {

void AddTrayIcon(HWND) {}
void RemoveTrayIcon(HWND) {}
void OnTrayNotification(HWND, WPARAM, LPARAM) {}

}  // namespace orvanta

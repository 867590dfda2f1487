#include "tray_icon.h"

#include <cstring>

#include "command_ids.h"
#include "minute_guard.h"
#include "popup_menu.h"
#include "program.h"

namespace orvanta {
namespace {

static_assert(sizeof(NOTIFYICONDATAA) == 508, "the structure size the shell is given");

constexpr UINT kTrayIconId = 0;

NOTIFYICONDATAA TrayIconData(HWND mainWindow) {
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = mainWindow;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = g_programIcon;
    std::strcpy(data.szTip, kMainWindowClass);
    return data;
}

void ShowMenuAtCursor(HWND mainWindow) {
    POINT cursor;
    GetCursorPos(&cursor);
    ShowPopupMenu(mainWindow, cursor.x, cursor.y, TPM_RIGHTBUTTON | TPM_RIGHTALIGN);
}

void AskToShutDownNow(HWND mainWindow) {
    if (MessageBoxA(mainWindow, "Shut Computer Down Now?", kMainWindowClass,
                    MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL) == IDYES) {
        SendMessageA(mainWindow, kShutdownMessage, 0, 0);
    }
}

// The alert actions run at once as a test; the guard keeps the scheduled
// alert test from following in the same minute.
void TestAlertNow(HWND mainWindow) {
    alerts::AlertMinuteGuard().Set();
    SendMessageA(mainWindow, kAlertMessage, 0, 0);
}

void RunDoubleClickAction(HWND mainWindow) {
    static const WORD kCommands[] = {0,
                                     kCmdCalendar,
                                     kCmdAlertSettings,
                                     kCmdColorSettings,
                                     kCmdFormatSettings,
                                     kCmdHideDesktop,
                                     kCmdCopyTime};
    const uint32_t action = g_settings.QCtype;
    if (action >= 1 && action <= 6) {
        SendMessageA(mainWindow, WM_COMMAND, kCommands[action], 0);
    } else if (action == 7) {
        AskToShutDownNow(mainWindow);
    } else if (action == 8) {
        TestAlertNow(mainWindow);
    }
}

}  // namespace

void AddTrayIcon(HWND mainWindow) {
    NOTIFYICONDATAA data = TrayIconData(mainWindow);
    Shell_NotifyIconA(NIM_ADD, &data);
}

void RemoveTrayIcon(HWND mainWindow) {
    NOTIFYICONDATAA data = TrayIconData(mainWindow);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

void OnTrayNotification(HWND mainWindow, WPARAM id, LPARAM event) {
    if (id != kTrayIconId) return;
    if (event == WM_RBUTTONUP) {
        ShowMenuAtCursor(mainWindow);
    } else if (event == WM_LBUTTONDBLCLK) {
        RunDoubleClickAction(mainWindow);
    }
}

}  // namespace orvanta

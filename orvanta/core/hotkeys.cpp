#include "hotkeys.h"

#include "center_offset.h"
#include "clipboard_copy.h"
#include "command_ids.h"
#include "popup_menu.h"
#include "screen_capture.h"

namespace orvanta {
namespace {

constexpr UINT kModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT;
constexpr int kFirstHotkeyId = 101;  // F6; F7 is 102 and so on up to F12, 107
constexpr int kHotkeyCount = 7;
constexpr int kHideDesktopHotkeyId = kFirstHotkeyId + (VK_F7 - VK_F6);
constexpr unsigned kCentredMenuExtent = 50;

// What each key sends, or 0 for keys handled here.
WORD CommandOfKey(UINT key) {
    switch (key) {
        case VK_F6:
            return kCmdScreensaver;
        case VK_F7:
            return kCmdHideDesktop;
        case VK_F10:
            return kCmdAlertSettings;
        case VK_F11:
            return kCmdCalendar;
        default:
            return 0;
    }
}

void ShowMenuAtScreenMiddle(HWND mainWindow) {
    const int x = CenterOffset(GetSystemMetrics(SM_CXSCREEN), kCentredMenuExtent);
    const int y = CenterOffset(GetSystemMetrics(SM_CYSCREEN), kCentredMenuExtent);
    ShowPopupMenu(mainWindow, x, y, TPM_CENTERALIGN | TPM_VCENTERALIGN);
}

}  // namespace

void RegisterHotkeys(HWND mainWindow) {
    for (int i = kHotkeyCount - 1; i >= 0; --i) {
        RegisterHotKey(mainWindow, kFirstHotkeyId + i, kModifiers, VK_F6 + i);
    }
}

void UnregisterHotkeys(HWND mainWindow) {
    for (int i = 0; i < kHotkeyCount; ++i) UnregisterHotKey(mainWindow, kFirstHotkeyId + i);
}

void OnHotkey(HWND mainWindow, LPARAM keys) {
    if (LOWORD(keys) != kModifiers) return;
    const UINT key = HIWORD(keys);
    if (key == VK_F12) {
        ShowMenuAtScreenMiddle(mainWindow);
    } else if (key == VK_F8) {
        utilities::CaptureScreenOnThisThread(mainWindow);
    } else if (key == VK_F9) {
        utilities::CopyTimeToClipboard(mainWindow);
    } else if (const WORD command = CommandOfKey(key)) {
        SendMessageA(mainWindow, WM_COMMAND, command, 0);
    }
}

void MoveHideDesktopHotkey(HWND from, HWND to) {
    UnregisterHotKey(from, kHideDesktopHotkeyId);
    RegisterHotKey(to, kHideDesktopHotkeyId, kModifiers, VK_F7);
}

bool IsHideDesktopHotkey(LPARAM keys) {
    return LOWORD(keys) == kModifiers && HIWORD(keys) == VK_F7;
}

}  // namespace orvanta

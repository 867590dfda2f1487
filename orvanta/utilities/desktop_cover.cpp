#include "desktop_cover.h"

#include "hotkeys.h"
#include "program.h"

namespace utilities {
namespace {

constexpr char kCoverTemplate[] = "LOCKDIALOG";
constexpr char kHint[] = "Double click left mouse button to restore desktop.";
constexpr int kHintX = 15;
constexpr int kHintAboveBottom = 25;

// Set and cleared by the cover itself; only the main thread touches them.
bool g_coverOpen = false;
HWND g_coverMainWindow;
int g_screenHeight;

// The cover takes Shift+Ctrl+Alt+F7 from the main window while it is open,
// so the same keys that opened it close it.
void OnInitDialog(HWND cover, HWND mainWindow) {
    g_coverMainWindow = mainWindow;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    g_screenHeight = GetSystemMetrics(SM_CYSCREEN);
    orvanta::MoveHideDesktopHotkey(mainWindow, cover);
    SetWindowPos(cover, HWND_TOPMOST, 0, 0, screenWidth, g_screenHeight, SWP_SHOWWINDOW);
    g_coverOpen = true;
}

void OnPaint(HWND cover) {
    PAINTSTRUCT paint;
    BeginPaint(cover, &paint);
    const HDC dc = GetWindowDC(cover);
    PaintDesktop(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, orvanta::g_settings.DTColor);
    TextOutA(dc, kHintX, g_screenHeight - kHintAboveBottom, kHint, sizeof kHint - 1);
    ReleaseDC(cover, dc);
    EndPaint(cover, &paint);
}

void CloseCover(HWND cover) {
    orvanta::MoveHideDesktopHotkey(cover, g_coverMainWindow);
    g_coverOpen = false;
    DestroyWindow(cover);
}

// Every message counts as not handled, so the dialog manager does its usual
// work; WM_COMMAND is not acted on, so Esc, Enter and Alt+F4 leave the
// cover open.
INT_PTR CALLBACK CoverProc(HWND cover, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(cover, reinterpret_cast<HWND>(lParam));
            break;
        case WM_PAINT:
            OnPaint(cover);
            break;
        case WM_LBUTTONDBLCLK:
            CloseCover(cover);
            break;
        case WM_HOTKEY:
            if (orvanta::IsHideDesktopHotkey(lParam)) CloseCover(cover);
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace

void OpenDesktopCover(HWND mainWindow) {
    if (g_coverOpen) return;
    CreateDialogParamA(GetModuleHandleA(nullptr), kCoverTemplate, mainWindow, CoverProc,
                       reinterpret_cast<LPARAM>(mainWindow));
}

}  // namespace utilities

#include "picture_window.h"

#include "alert_actions.h"
#include "center_offset.h"
#include "dialog_look.h"
#include "program.h"

namespace alerts {
namespace {

constexpr int kPictureControlId = 65535;

HBITMAP g_picture;

SIZE PictureSize(HBITMAP picture) {
    BITMAP info = {};
    if (picture) GetObjectA(picture, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

// The window holds the picture plus its frame and caption, centred on the
// screen as it is now, above every window that is not topmost itself.
void FitWindowToPicture(HWND window, SIZE picture) {
    const int frame = GetSystemMetrics(SM_CYFRAME);
    const int width = picture.cx + frame;
    const int height = picture.cy + frame + GetSystemMetrics(SM_CYCAPTION);
    const int x = CenterOffset(GetSystemMetrics(SM_CXSCREEN), width);
    const int y = CenterOffset(GetSystemMetrics(SM_CYSCREEN), height);
    SetWindowPos(window, HWND_TOPMOST, x, y, width, height, SWP_SHOWWINDOW);
}

void OnInitDialog(HWND window) {
    orvanta::OpenDialogWithoutTransparencyControls(window);
    g_alertBusy = true;
    g_picture =
        static_cast<HBITMAP>(LoadImageA(nullptr, orvanta::g_settings.BName, IMAGE_BITMAP, 0, 0,
                                        LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_CREATEDIBSECTION));
    FitWindowToPicture(window, PictureSize(g_picture));
    const HWND control = CreateWindowExA(
        0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP, 0, 0, 0, 0, window,
        reinterpret_cast<HMENU>(kPictureControlId), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(g_picture));
    SetForegroundWindow(window);
    SetFocus(window);
}

void OnClose(HWND window) {
    g_alertBusy = false;
    EndDialog(window, 0);
}

INT_PTR CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(window);
            return 0;
        // Enter and Esc arrive as commands.
        case WM_COMMAND:
            SendMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            OnClose(window);
            return 0;
        default:
            return 0;
    }
}

}  // namespace

void ShowPictureAlert(HWND mainWindow) {
    DialogBoxParamA(GetModuleHandleA(nullptr), "PICTUREDIALOG", mainWindow, PictureWindowProc, 0);
    // Deleted once the window, and the control showing it, are gone.
    if (g_picture) DeleteObject(g_picture);
    g_picture = nullptr;
}

}  // namespace alerts

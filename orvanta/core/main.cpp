// Program entry: one copy at a time, the hidden main window, the message loop.
#include <windows.h>
#include <commctrl.h>

#include "center_offset.h"
#include "main_window.h"
#include "program.h"
#include "resource.h"

namespace {

constexpr int kMainWindowWidth = 200;
constexpr int kMainWindowHeight = 100;
constexpr int kProgramIconSize = 32;

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    wc.lpfnWndProc = orvanta::MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = orvanta::g_programIcon;
    wc.hIconSm = orvanta::g_programIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = orvanta::kMainWindowClass;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    const int x = CenterOffset(GetSystemMetrics(SM_CXSCREEN), 250);
    const int y = CenterOffset(GetSystemMetrics(SM_CYSCREEN), 200);
    return CreateWindowExA(WS_EX_TRANSPARENT, orvanta::kMainWindowClass, orvanta::kMainWindowClass,
                           WS_POPUP, x, y, kMainWindowWidth, kMainWindowHeight, nullptr, nullptr,
                           instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (FindWindowA(orvanta::kMainWindowClass, nullptr)) ExitProcess(0);

    const HINSTANCE instance = GetModuleHandleA(nullptr);
    orvanta::g_programIcon =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                      kProgramIconSize, kProgramIconSize, LR_DEFAULTCOLOR));

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);

    RegisterMainWindowClass(instance);
    if (!CreateMainWindow(instance)) ExitProcess(0);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ExitProcess(static_cast<UINT>(msg.wParam));
}

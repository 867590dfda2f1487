// The hidden main window: start-up, the 100 ms tick and the routing of
// commands, tray notifications, hotkeys and the program's own messages.
#include "main_window.h"

#include "alert_actions.h"
#include "alert_scheduler.h"
#include "caption_font.h"
#include "caption_painter.h"
#include "commands.h"
#include "hotkeys.h"
#include "popup_menu.h"
#include "program.h"
#include "shutdown.h"
#include "tray_icon.h"
#include "window_arranging.h"

namespace orvanta {
namespace {

constexpr UINT kTickPeriodMs = 100;

// The shell broadcasts this when it starts again, with an empty tray.
const UINT g_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");

void OnCreate(HWND window) {
    g_mainWindow = window;
    settings::Read(g_settingsKey, g_settings, settings::kLoadAtStart);
    settings::Read(g_settingsKey, g_settings, settings::kDesktopClock);
    BuildMenus();
    SetInitialCheckMarks();
    g_language.Select(g_settings.Language);
    g_modulePathLength = GetModuleFileNameA(nullptr, g_modulePath, kModulePathSize);
    RegisterHotkeys(window);
    SetTimer(window, kTickTimer, kTickPeriodMs, nullptr);
    utilities::StartArrangingTimers(window);
    caption::RefreshCaptionFont();
    // Hides the window and puts the program in the tray.
    SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
}

void OnDestroy(HWND window) {
    KillTimer(window, kTickTimer);
    utilities::StopArrangingTimers(window);
    UnregisterHotkeys(window);
    DestroyMenus();
    PostQuitMessage(0);
}

void OnMinimized(HWND window) {
    ShowWindow(window, SW_HIDE);
    AddTrayIcon(window);
}

// Every WM_TIMER that reaches the window is a tick: the other timers have
// procedures of their own.
void OnTick(HWND window) {
    g_clockText.BuildClockString(g_settings.Layout);
    alerts::RunTickTests(window);
    caption::PaintCaption(window);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_DESTROY:
            OnDestroy(window);
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) OnMinimized(window);
            return 0;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        // Closing only sends the program back to the tray.
        case WM_CLOSE:
            ShowWindow(window, SW_SHOWMINIMIZED);
            return 0;
        case WM_SETTINGCHANGE:
            caption::RefreshNonClientMetrics();
            return 0;
        case WM_COMMAND:
            if (lParam == 0) DispatchCommand(window, LOWORD(wParam));
            return 0;
        case WM_TIMER:
            OnTick(window);
            return 0;
        case WM_HOTKEY:
            OnHotkey(window, lParam);
            return 0;
        case kTrayMessage:
            OnTrayNotification(window, wParam, lParam);
            return 0;
        case kAlertMessage:
            alerts::OnAlertMessage(window);
            return 0;
        case kShutdownMessage:
            utilities::ShutDownNow();  // ends the process
        default:
            if (message == g_taskbarCreated) {
                AddTrayIcon(window);
                return 0;
            }
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace orvanta

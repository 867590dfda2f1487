#include "window_arranging.h"

#include "arranging_rules.h"
#include "command_ids.h"
#include "popup_menu.h"
#include "program.h"

namespace utilities {
namespace {

constexpr UINT_PTR kMaximizeAllTimer = 22;
constexpr UINT_PTR kCenterAllTimer = 66;
constexpr UINT kArrangePeriodMs = 100;

// The window arranged last, shared by both options, so each window is
// arranged once per visit to the foreground. No window has the first value.
HWND g_lastArranged = reinterpret_cast<HWND>(~UINT_PTR{0});

using ArrangeFunction = void (*)(HWND);

// Covers the work area from the screen's corner, whatever the taskbar's
// side, without putting the window into the maximised state.
void FillWorkArea(HWND window) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    MoveWindow(window, 0, 0, work.right, work.bottom, TRUE);
}

void CentreOnScreen(HWND window) {
    const WindowRect r =
        CentredWindowRect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    MoveWindow(window, r.x, r.y, r.width, r.height, TRUE);
}

// A minimised or maximised window is left alone but stays a candidate, so
// it is arranged as soon as the user restores it.
void ArrangeForegroundWindow(ArrangeFunction arrange) {
    const HWND window = GetForegroundWindow();
    if (window == g_lastArranged) return;
    const auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    const auto style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    if (!MayArrange(exStyle, style)) {
        g_lastArranged = nullptr;
        return;
    }
    if (IsIconic(window) || IsZoomed(window)) return;
    arrange(window);
    g_lastArranged = window;
}

void CALLBACK MaximizeAllTimer(HWND, UINT message, UINT_PTR, DWORD) {
    if (message == WM_TIMER) ArrangeForegroundWindow(FillWorkArea);
}

void CALLBACK CenterAllTimer(HWND, UINT message, UINT_PTR, DWORD) {
    if (message == WM_TIMER) ArrangeForegroundWindow(CentreOnScreen);
}

struct ArrangingOption {
    WORD command;
    uint32_t settings::Settings::*setting;
    uint32_t settings::Settings::*otherSetting;
    UINT_PTR timer;
    TIMERPROC timerProc;
    const char* refusal;  // shown while the other option is on
};

constexpr ArrangingOption kMaximizeAll = {
    orvanta::kCmdMaximizeAll,
    &settings::Settings::Maximize,
    &settings::Settings::Center,
    kMaximizeAllTimer,
    MaximizeAllTimer,
    "Center All Windows must be unchecked to use Maximize All Windows.",
};

constexpr ArrangingOption kCenterAll = {
    orvanta::kCmdCenterAll,
    &settings::Settings::Center,
    &settings::Settings::Maximize,
    kCenterAllTimer,
    CenterAllTimer,
    "Maximize All Windows must be unchecked to use Center All Windows.",
};

void StartTimer(HWND mainWindow, const ArrangingOption& option) {
    SetTimer(mainWindow, option.timer, kArrangePeriodMs, option.timerProc);
}

void Switch(HWND mainWindow, const ArrangingOption& option) {
    using orvanta::g_settings;
    if (g_settings.*option.otherSetting == 1) {
        MessageBoxA(mainWindow, option.refusal, orvanta::kMainWindowClass,
                    MB_ICONINFORMATION | MB_SYSTEMMODAL);
        return;
    }
    const bool on = !orvanta::IsChecked(option.command);
    orvanta::SetChecked(option.command, on);
    g_settings.*option.setting = on ? 1 : 0;
    settings::Write(orvanta::g_settingsKey, g_settings, settings::kGeneral);
    if (on) {
        StartTimer(mainWindow, option);
    } else {
        KillTimer(mainWindow, option.timer);
    }
}

}  // namespace

void StartArrangingTimers(HWND mainWindow) {
    if (orvanta::g_settings.Maximize == 1) StartTimer(mainWindow, kMaximizeAll);
    if (orvanta::g_settings.Center == 1) StartTimer(mainWindow, kCenterAll);
}

void StopArrangingTimers(HWND mainWindow) {
    KillTimer(mainWindow, kMaximizeAllTimer);
    KillTimer(mainWindow, kCenterAllTimer);
}

void SwitchMaximizeAll(HWND mainWindow) {
    Switch(mainWindow, kMaximizeAll);
}

void SwitchCenterAll(HWND mainWindow) {
    Switch(mainWindow, kCenterAll);
}

}  // namespace utilities

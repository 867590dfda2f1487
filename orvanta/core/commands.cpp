#include "commands.h"

#include <shellapi.h>

#include <cstring>

#include "autorun.h"
#include "caption_font.h"
#include "clipboard_copy.h"
#include "desktop_cover.h"
#include "dialog_guard.h"
#include "info_dialogs.h"
#include "popup_menu.h"
#include "program.h"
#include "screen_capture.h"
#include "screensaver.h"
#include "tray_icon.h"
#include "window_arranging.h"

namespace orvanta {
namespace {

constexpr char kHoralinkFile[] = "Horalink.exe";

// The window is not destroyed: WM_DESTROY stops the timers and ends the loop.
void ExitProgram(HWND mainWindow) {
    RemoveTrayIcon(mainWindow);
    SendMessageA(mainWindow, WM_DESTROY, 0, 0);
}

// Horalink lives beside this program. Nothing is reported if it is missing.
void RunHoralink(HWND mainWindow) {
    char path[kModulePathSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, kModulePathSize - 1);
    char* slash = std::strrchr(path, '\\');
    if (length == 0 || !slash) return;
    const size_t room = sizeof path - static_cast<size_t>(slash + 1 - path);
    if (room < sizeof kHoralinkFile) return;
    std::memcpy(slash + 1, kHoralinkFile, sizeof kHoralinkFile);
    ShellExecuteA(mainWindow, nullptr, path, nullptr, nullptr, SW_SHOW);
}

void SwitchGlassMode() {
    const bool on = !IsChecked(kCmdGlassMode);
    SetChecked(kCmdGlassMode, on);
    caption::RefreshCaptionFont();
    g_settings.VistaAero = on ? 1 : 0;
    settings::Write(g_settingsKey, g_settings, settings::kGeneral);
}

// The guard is set before the dialog opens and released by the dialog when
// it closes, or at once if it could not open.
void OpenUnderGuard(DialogGuard& guard, HWND (*open)(HWND), HWND mainWindow) {
    guard.OpenIfFree([&] { return open(mainWindow) != nullptr; });
}

}  // namespace

void DispatchCommand(HWND mainWindow, WORD command) {
    switch (command) {
        case kCmdAbout:
            OpenUnderGuard(g_dialogGuard, OpenAboutBox, mainWindow);
            break;
        case kCmdHotkeyList:
            OpenUnderGuard(g_hotkeyListGuard, OpenHotkeyList, mainWindow);
            break;
        case kCmdExit:
            ExitProgram(mainWindow);
            break;
        case kCmdStartWithWindows:
            utilities::SwitchStartWithWindows();
            break;
        case kCmdMaximizeAll:
            utilities::SwitchMaximizeAll(mainWindow);
            break;
        case kCmdCenterAll:
            utilities::SwitchCenterAll(mainWindow);
            break;
        case kCmdCopyTime:
            utilities::CopyTimeToClipboard(mainWindow);
            break;
        case kCmdRunHoralink:
            RunHoralink(mainWindow);
            break;
        case kCmdHideDesktop:
            utilities::OpenDesktopCover(mainWindow);
            break;
        case kCmdGlassMode:
            SwitchGlassMode();
            break;
        case kCmdCaptureScreen:
            utilities::CaptureScreenOnNewThread();
            break;
        case kCmdScreensaver:
            utilities::StartScreensaver();
            break;
        default:
            break;
    }
}

}  // namespace orvanta

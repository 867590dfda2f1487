#include "commands.h"

#include "tray_icon.h"

namespace orvanta {
namespace {

// The window is not destroyed: WM_DESTROY stops the timers and ends the loop.
void ExitProgram(HWND mainWindow) {
    RemoveTrayIcon(mainWindow);
    SendMessageA(mainWindow, WM_DESTROY, 0, 0);
}

}  // namespace

void DispatchCommand(HWND mainWindow, WORD command) {
    switch (command) {
        case kCmdExit:
            ExitProgram(mainWindow);
            break;
        default:
            break;
    }
}

}  // namespace orvanta

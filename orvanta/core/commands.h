#pragma once

#include <windows.h>

namespace orvanta {

enum Command : WORD {
    kCmdExit = 1010,
};

// Carries out a menu command; hotkeys and tray clicks arrive here too.
void DispatchCommand(HWND mainWindow, WORD command);

}  // namespace orvanta

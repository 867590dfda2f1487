#pragma once

#include <windows.h>

#include "command_ids.h"

namespace orvanta {

// Carries out a menu command; hotkeys and tray clicks arrive here too.
void DispatchCommand(HWND mainWindow, WORD command);

}  // namespace orvanta

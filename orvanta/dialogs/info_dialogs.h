// The about box and the hotkey list: modeless dialogs that only show things.
#pragma once

#include <windows.h>

namespace orvanta {

// Each returns the dialog, or nullptr when it could not be opened. The about
// box releases the dialog-open guard when it closes, the hotkey list its own
// flag.
HWND OpenAboutBox(HWND mainWindow);
HWND OpenHotkeyList(HWND mainWindow);

}  // namespace orvanta

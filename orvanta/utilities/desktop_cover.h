// "Hide Windows Desktop": a topmost window over the whole screen showing the
// bare desktop, until the user double-clicks it or presses
// Shift+Ctrl+Alt+F7 again.
#pragma once

#include <windows.h>

namespace utilities {

// Opens the cover unless it is already open: there is never more than one.
void OpenDesktopCover(HWND mainWindow);

}  // namespace utilities

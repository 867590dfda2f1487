#pragma once

#include <windows.h>

namespace alerts {

// Shows the picture file BName in a topmost window of its size, centred on
// the screen; returns when the user closes it (Enter, Esc or the close box).
void ShowPictureAlert(HWND mainWindow);

}  // namespace alerts

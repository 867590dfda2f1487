// Puts the clock string on the foreground window: drawn on its caption, or
// in glass mode written into its title.
#pragma once

#include <windows.h>

namespace caption {

constexpr int kClassNameSize = 128;

// The class name of the latest foreground window that could carry the clock,
// disallowed or not; the disallow list dialog offers it.
extern char g_lastExaminedClassName[kClassNameSize];

// Runs at every tick with the main window.
void PaintCaption(HWND mainWindow);

}  // namespace caption

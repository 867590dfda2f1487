// "Copy Time To Clipboard": the clock as text, after a short chime.
#pragma once

#include <windows.h>

namespace utilities {

// Plays the copy chime, then puts the latest clock string, without its
// margin spaces, on the clipboard as CF_TEXT. If another program holds the
// clipboard, nothing is copied and nothing is said.
void CopyTimeToClipboard(HWND mainWindow);

}  // namespace utilities

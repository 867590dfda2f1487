// "Capture Screen To File": one second after the command, the primary screen
// is copied, the user picks a file name, and the picture is saved as JPEG.
#pragma once

#include <windows.h>

namespace utilities {

// Both play the capture click first. From the menu the capture runs on a
// thread of its own with no owner window; from the hotkey it runs on the
// calling thread with the main window as owner of its dialog and messages.
void CaptureScreenOnNewThread();
void CaptureScreenOnThisThread(HWND owner);

}  // namespace utilities

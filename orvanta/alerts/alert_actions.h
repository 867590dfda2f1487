// What an alert does when the alert message arrives: a pop-up message, a
// picture, a video or a program, then a repeating tone or a sound file.
#pragma once

#include <windows.h>

namespace alerts {

// Set while a modal alert is on screen, a video plays or a program is being
// started, so a second alert does not stack on the first.
extern bool g_alertBusy;

void OnAlertMessage(HWND mainWindow);

}  // namespace alerts

#include "screensaver.h"

#include <windows.h>

namespace utilities {

void StartScreensaver() {
    SendMessageA(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

}  // namespace utilities

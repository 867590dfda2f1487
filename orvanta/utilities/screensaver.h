#pragma once

namespace utilities {

// Asks Windows to start the screen saver now.
void StartScreensaver();

}  // namespace utilities

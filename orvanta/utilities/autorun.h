// "Start With Windows": an entry in the user's Run key.
#pragma once

namespace utilities {

// Adds or removes the Run entry as the AutoRun setting says it is absent or
// present, marks the menu item to match and stores the general settings.
void SwitchStartWithWindows();

}  // namespace utilities

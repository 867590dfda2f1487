// What every dialog of the program does when it opens: the program icon and
// the shared dialog transparency.
#pragma once

#include <windows.h>

#include "win32_transparency.h"

namespace orvanta {

// The transparency pair in the settings block, read and written on its own.
transparency::PairStore TransparencyStore();

void SetDialogIcon(HWND dialog);

// For dialogs without the "t" check box and trackbar: the icon, then the
// stored transparency read and applied.
void OpenDialogWithoutTransparencyControls(HWND dialog);

}  // namespace orvanta

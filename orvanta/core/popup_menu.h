// The tray's popup menu, built once at start and kept for the whole run.
// Check marks are the live state of the switched options.
#pragma once

#include <windows.h>

namespace orvanta {

extern HMENU g_popupMenu;
extern HMENU g_settingsMenu;

void BuildMenus();
void DestroyMenus();
// Marks the switched items as the loaded settings say.
void SetInitialCheckMarks();

// Whether a switched item (in either menu) is on.
bool IsChecked(UINT command);
void SetChecked(UINT command, bool checked);

// Makes the main window the foreground window and tracks the menu there; the
// chosen item arrives as WM_COMMAND.
void ShowPopupMenu(HWND mainWindow, int x, int y, UINT alignment);

}  // namespace orvanta

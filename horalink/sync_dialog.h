// Horalink's one dialog: the server list, the current time and date, sync
// now, cancel sync, close, and the transparency controls.
#pragma once

#include <windows.h>

namespace horalink {

// Runs the dialog `HORALINK` modally without an owner; returns its result.
INT_PTR RunSyncDialog(HINSTANCE instance);

// The status report, callable from any thread while the dialog is open:
// restores the caption and the sync-now button, then shows the text in a
// message box owned by the dialog and returns the box's result.
int StatusReport(const wchar_t* text);

}  // namespace horalink

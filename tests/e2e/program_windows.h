// Finding and reading the windows Orvanta opens: its message boxes, its
// dialogs and the desktop cover.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

constexpr char kMessageBoxTitle[] = "Orvanta Pro 7.2";

// Visible top-level dialog-class windows of a process with this title.
std::vector<HWND> ProcessDialogs(HANDLE process, const char* title);

// The text of a message box, read from its static text control.
std::string MessageBoxText(HWND box);

// The first visible message box of the process showing this text, or null.
HWND FindMessageBox(HANDLE process, const std::string& text);

// A control's text, read with WM_GETTEXT so it works across processes.
std::string ControlText(HWND control);

// Closes a message box or dialog as its OK button would.
void PressOk(HWND dialog);

}  // namespace e2e

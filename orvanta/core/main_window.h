#pragma once

#include <windows.h>

namespace orvanta {

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace orvanta

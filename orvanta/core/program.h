// State of the running program that lives as long as it does. Everything
// here is touched on the main thread only.
#pragma once

#include <windows.h>

#include "clock_text.h"
#include "languages.h"
#include "settings.h"
#include "win32_registry.h"
#include "win32_system_figures.h"

namespace orvanta {

constexpr char kMainWindowClass[] = "Orvanta Pro 7.2";

// The main window's own messages.
constexpr UINT kTrayMessage = WM_APP + 5;
constexpr UINT kAlertMessage = WM_APP + 6;
constexpr UINT kShutdownMessage = WM_APP + 7;

constexpr UINT_PTR kTickTimer = 11;

constexpr DWORD kModulePathSize = 128;

extern settings::Settings g_settings;
extern clocktext::CurrentLanguage g_language;
extern char g_clockString[clocktext::kClockStringSize];
extern clocktext::ClockTextEngine g_clockText;
extern reg::Win32Registry g_settingsKey;

extern HWND g_mainWindow;
extern HICON g_programIcon;
extern char g_modulePath[kModulePathSize];
extern DWORD g_modulePathLength;

}  // namespace orvanta

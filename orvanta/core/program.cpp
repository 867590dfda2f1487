#include "program.h"

namespace orvanta {
namespace {
clocktext::Win32SystemFigures g_systemFigures;
}

settings::Settings g_settings = settings::DefaultSettings();
clocktext::CurrentLanguage g_language;
char g_clockString[clocktext::kClockStringSize];
clocktext::ClockTextEngine g_clockText(g_settings, g_language, g_systemFigures, g_clockString);
reg::Win32Registry g_settingsKey(HKEY_CURRENT_USER, settings::kSettingsKeyPath,
                                 settings::kSettingsKeyClass);

HWND g_mainWindow;
HICON g_programIcon;
char g_modulePath[kModulePathSize];
DWORD g_modulePathLength;

}  // namespace orvanta

#include "autorun.h"

#include "command_ids.h"
#include "popup_menu.h"
#include "program.h"
#include "run_value.h"

namespace utilities {
namespace {

// The same data and size at every switch-on: the quoted path and its NUL.
void AddRunEntry(HKEY runKey) {
    const std::string data = RunValueText(orvanta::g_modulePath, sizeof orvanta::g_modulePath);
    RegSetValueExA(runKey, kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    orvanta::SetChecked(orvanta::kCmdStartWithWindows, true);
    orvanta::g_settings.AutoRun = 1;
}

// An entry removed by hand meanwhile is simply not there to delete.
void RemoveRunEntry(HKEY runKey) {
    RegDeleteValueA(runKey, kRunValueName);
    orvanta::SetChecked(orvanta::kCmdStartWithWindows, false);
    orvanta::g_settings.AutoRun = 0;
}

}  // namespace

// The setting decides, not the menu mark or what the Run key holds. The
// settings are stored even when the Run key cannot be opened.
void SwitchStartWithWindows() {
    HKEY runKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0,
                        const_cast<char*>(orvanta::kMainWindowClass), 0, KEY_WRITE, nullptr,
                        &runKey, nullptr) == ERROR_SUCCESS) {
        if (orvanta::g_settings.AutoRun == 0) {
            AddRunEntry(runKey);
        } else {
            RemoveRunEntry(runKey);
        }
        RegCloseKey(runKey);
    }
    settings::Write(orvanta::g_settingsKey, orvanta::g_settings, settings::kGeneral);
}

}  // namespace utilities

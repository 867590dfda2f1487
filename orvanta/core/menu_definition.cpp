#include "menu_definition.h"

#include "command_ids.h"

namespace orvanta {
namespace {

constexpr MenuEntry Item(uint16_t command, const char* text, uint16_t bitmap) {
    return {MenuEntryKind::Item, command, text, bitmap, 0};
}
constexpr MenuEntry Switch(uint16_t command, const char* text) {
    return {MenuEntryKind::Item, command, text, kCheckBoxBitmap, kTickedCheckBoxBitmap};
}
constexpr MenuEntry kSeparator = {MenuEntryKind::Separator, 0, nullptr, 0, 0};

constexpr MenuEntry kPopup[] = {
    Item(kCmdAbout, "About Orvanta Pro", 4),
    kSeparator,
    Item(kCmdHotkeyList, "Show Hotkey List", 5),
    kSeparator,
    Item(kCmdCaptureScreen, "Capture Screen To File", 1),
    Item(kCmdCopyTime, "Copy Time To Clipboard", 2),
    kSeparator,
    {MenuEntryKind::Submenu, 0, "Orvanta Settings", 3, 0},
    kSeparator,
    Switch(kCmdDesktopClock, "Desktop Clock On/Off"),
    Item(kCmdDesktopClockOptions, "Desktop Clock Options", 10),
    kSeparator,
    Switch(kCmdCenterAll, "Center All Windows"),
    Switch(kCmdMaximizeAll, "Maximize All Windows"),
    kSeparator,
    Switch(kCmdGlassMode, "Windows Aero Glass Mode"),
    kSeparator,
    Switch(kCmdSpeakFemale, "Speak The Time (Female)"),
    Switch(kCmdSpeakMale, "Speak The Time (Male)"),
    kSeparator,
    Switch(kCmdShutdownTime, "System Shutdown Time"),
    kSeparator,
    Item(kCmdScreensaver, "Start Windows Screensaver", 7),
    Item(kCmdHideDesktop, "Hide Windows Desktop", 6),
    kSeparator,
    Item(kCmdCalendar, "Show Popup Calendar", 9),
    kSeparator,
    Item(kCmdRunHoralink, "Run Horalink", 8),
    kSeparator,
    Switch(kCmdStartWithWindows, "Start With Windows"),
    kSeparator,
    Item(kCmdExit, "Exit Orvanta Pro", 15),
};

constexpr MenuEntry kSettings[] = {
    Switch(kCmdAlertSettings, "Clock Alert Settings"),
    kSeparator,
    Item(kCmdColorSettings, "Clock Color Settings", 13),
    Item(kCmdDisallowSettings, "Clock Disallow Settings", 13),
    Item(kCmdFormatSettings, "Clock Format Settings", 13),
    Item(kCmdLanguageSettings, "Clock Language Settings", 13),
    Item(kCmdRorudiridSettings, "Clock Rorudirid Settings", 13),
};

}  // namespace

MenuDefinition PopupMenuDefinition() {
    return {kPopup, sizeof kPopup / sizeof kPopup[0]};
}

MenuDefinition SettingsSubmenuDefinition() {
    return {kSettings, sizeof kSettings / sizeof kSettings[0]};
}

}  // namespace orvanta

// The menu commands of the main window. Hotkeys and tray double clicks send
// the same commands.
#pragma once

#include <cstdint>

namespace orvanta {

enum Command : uint16_t {
    kCmdAbout = 1000,
    kCmdExit = 1010,
    kCmdColorSettings = 1040,
    kCmdFormatSettings = 1110,
    kCmdHotkeyList = 1140,
    kCmdLanguageSettings = 1150,
    kCmdAlertSettings = 1160,
    kCmdShutdownTime = 1170,
    kCmdStartWithWindows = 1190,
    kCmdCalendar = 1200,
    kCmdMaximizeAll = 1210,
    kCmdCenterAll = 1215,
    kCmdDesktopClock = 1231,
    kCmdDesktopClockOptions = 1232,
    kCmdCopyTime = 1250,
    kCmdRorudiridSettings = 1260,
    kCmdRunHoralink = 1270,
    kCmdHideDesktop = 1280,
    kCmdSpeakMale = 1301,
    kCmdSpeakFemale = 1302,
    kCmdDisallowSettings = 1310,
    kCmdGlassMode = 1311,
    kCmdCaptureScreen = 1312,
    kCmdScreensaver = 1313,
};

}  // namespace orvanta

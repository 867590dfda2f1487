#include "popup_menu.h"

#include "command_ids.h"
#include "menu_definition.h"
#include "program.h"

namespace orvanta {

HMENU g_popupMenu;
HMENU g_settingsMenu;

namespace {

HBITMAP MenuBitmap(uint16_t number) {
    if (number == 0) return nullptr;
    return LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(number));
}

void AppendEntries(HMENU menu, const MenuDefinition& definition, HMENU submenu) {
    for (size_t i = 0; i < definition.count; ++i) {
        const MenuEntry& e = definition.entries[i];
        switch (e.kind) {
            case MenuEntryKind::Separator:
                AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case MenuEntryKind::Item:
                AppendMenuA(menu, MF_STRING, e.command, e.text);
                break;
            case MenuEntryKind::Submenu:
                AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), e.text);
                break;
        }
    }
}

// An item that switches shows a check box, empty or ticked; the others show
// their picture in both states.
void SetBitmaps(HMENU menu, const MenuDefinition& definition) {
    for (size_t i = 0; i < definition.count; ++i) {
        const MenuEntry& e = definition.entries[i];
        if (e.kind == MenuEntryKind::Separator) continue;
        const HBITMAP shown = MenuBitmap(e.bitmap);
        const HBITMAP checked = e.checkedBitmap ? MenuBitmap(e.checkedBitmap) : shown;
        if (e.kind == MenuEntryKind::Submenu) {
            SetMenuItemBitmaps(menu, static_cast<UINT>(i), MF_BYPOSITION, shown, checked);
        } else {
            SetMenuItemBitmaps(menu, e.command, MF_BYCOMMAND, shown, checked);
        }
    }
}

}  // namespace

void BuildMenus() {
    g_popupMenu = CreatePopupMenu();
    g_settingsMenu = CreatePopupMenu();
    AppendEntries(g_settingsMenu, SettingsSubmenuDefinition(), nullptr);
    AppendEntries(g_popupMenu, PopupMenuDefinition(), g_settingsMenu);
    SetBitmaps(g_settingsMenu, SettingsSubmenuDefinition());
    SetBitmaps(g_popupMenu, PopupMenuDefinition());
}

void DestroyMenus() {
    DestroyMenu(g_settingsMenu);
    DestroyMenu(g_popupMenu);
}

void SetInitialCheckMarks() {
    const auto& s = g_settings;
    SetChecked(kCmdShutdownTime, s.SDown == 1);
    SetChecked(kCmdAlertSettings, s.AFlag == 1);
    SetChecked(kCmdMaximizeAll, s.Maximize == 1);
    SetChecked(kCmdCenterAll, s.Center == 1);
    SetChecked(kCmdDesktopClock, s.DTCflag == 1);
    SetChecked(kCmdStartWithWindows, s.AutoRun == 1);
    SetChecked(kCmdGlassMode, s.VistaAero != 0);
    SetChecked(kCmdSpeakMale, s.SpeakT == 1);
    SetChecked(kCmdSpeakFemale, s.SpeakT == 2);
}

// The submenu's items are reached through the popup menu by command.
bool IsChecked(UINT command) {
    return GetMenuState(g_popupMenu, command, MF_BYCOMMAND) == MF_CHECKED;
}

void SetChecked(UINT command, bool checked) {
    CheckMenuItem(g_popupMenu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void ShowPopupMenu(HWND mainWindow, int x, int y, UINT alignment) {
    SetForegroundWindow(mainWindow);
    TrackPopupMenuEx(g_popupMenu, alignment, x, y, mainWindow, nullptr);
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageA(mainWindow, WM_NULL, 0, 0);
}

}  // namespace orvanta

// The tray's popup menu and its "Orvanta Settings" submenu, as data.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvanta {

enum class MenuEntryKind { Item, Separator, Submenu };

struct MenuEntry {
    MenuEntryKind kind;
    uint16_t command;  // 0 for separators and the submenu
    const char* text;
    // Bitmap resource numbers: the picture shown, and for items that switch
    // on and off the picture shown while checked (0 otherwise).
    uint16_t bitmap;
    uint16_t checkedBitmap;
};

struct MenuDefinition {
    const MenuEntry* entries;
    size_t count;
};

MenuDefinition PopupMenuDefinition();
MenuDefinition SettingsSubmenuDefinition();

constexpr uint16_t kCheckBoxBitmap = 11;
constexpr uint16_t kTickedCheckBoxBitmap = 12;

}  // namespace orvanta

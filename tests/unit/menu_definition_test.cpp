#include "menu_definition.h"

#include <gtest/gtest.h>

#include <string>

#include "dialog_guard.h"

namespace {

using orvanta::MenuEntryKind;

struct Expected {
    int command;  // 0: separator, -1: the submenu
    const char* text;
    int bitmap;  // 0: the check box pair 11 and 12
};

void ExpectMenu(const orvanta::MenuDefinition& menu, const std::vector<Expected>& expected) {
    ASSERT_EQ(menu.count, expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const orvanta::MenuEntry& e = menu.entries[i];
        const Expected& x = expected[i];
        SCOPED_TRACE("position " + std::to_string(i + 1));
        if (x.command == 0) {
            EXPECT_EQ(e.kind, MenuEntryKind::Separator);
            continue;
        }
        EXPECT_EQ(e.kind, x.command == -1 ? MenuEntryKind::Submenu : MenuEntryKind::Item);
        if (x.command > 0) {
            EXPECT_EQ(e.command, x.command);
        }
        EXPECT_STREQ(e.text, x.text);
        if (x.bitmap == 0) {
            EXPECT_EQ(e.bitmap, 11);
            EXPECT_EQ(e.checkedBitmap, 12);
        } else {
            EXPECT_EQ(e.bitmap, x.bitmap);
            EXPECT_EQ(e.checkedBitmap, 0);
        }
    }
}

TEST(MenuDefinition, PopupMenuAndSubmenuInOrder) {
    ExpectMenu(orvanta::PopupMenuDefinition(), {{1000, "About Orvanta Pro", 4},
                                                {0, nullptr, 0},
                                                {1140, "Show Hotkey List", 5},
                                                {0, nullptr, 0},
                                                {1312, "Capture Screen To File", 1},
                                                {1250, "Copy Time To Clipboard", 2},
                                                {0, nullptr, 0},
                                                {-1, "Orvanta Settings", 3},
                                                {0, nullptr, 0},
                                                {1231, "Desktop Clock On/Off", 0},
                                                {1232, "Desktop Clock Options", 10},
                                                {0, nullptr, 0},
                                                {1215, "Center All Windows", 0},
                                                {1210, "Maximize All Windows", 0},
                                                {0, nullptr, 0},
                                                {1311, "Windows Aero Glass Mode", 0},
                                                {0, nullptr, 0},
                                                {1302, "Speak The Time (Female)", 0},
                                                {1301, "Speak The Time (Male)", 0},
                                                {0, nullptr, 0},
                                                {1170, "System Shutdown Time", 0},
                                                {0, nullptr, 0},
                                                {1313, "Start Windows Screensaver", 7},
                                                {1280, "Hide Windows Desktop", 6},
                                                {0, nullptr, 0},
                                                {1200, "Show Popup Calendar", 9},
                                                {0, nullptr, 0},
                                                {1270, "Run Horalink", 8},
                                                {0, nullptr, 0},
                                                {1190, "Start With Windows", 0},
                                                {0, nullptr, 0},
                                                {1010, "Exit Orvanta Pro", 15}});
    ExpectMenu(orvanta::SettingsSubmenuDefinition(), {{1160, "Clock Alert Settings", 0},
                                                      {0, nullptr, 0},
                                                      {1040, "Clock Color Settings", 13},
                                                      {1310, "Clock Disallow Settings", 13},
                                                      {1110, "Clock Format Settings", 13},
                                                      {1150, "Clock Language Settings", 13},
                                                      {1260, "Clock Rorudirid Settings", 13}});
}

// One dialog at a time, and a dialog that fails to open does not lock the
// others out.
TEST(DialogGuard, OpensOneDialogAtATimeAndForgetsFailures) {
    orvanta::DialogGuard guard;
    int opened = 0;
    auto opens = [&] {
        ++opened;
        return true;
    };
    auto fails = [&] { return false; };

    guard.OpenIfFree(fails);
    EXPECT_FALSE(guard.IsSet());
    guard.OpenIfFree(opens);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(guard.IsSet());
    guard.OpenIfFree(opens);
    EXPECT_EQ(opened, 1) << "dropped while a dialog is open";
    guard.Release();
    guard.OpenIfFree(opens);
    EXPECT_EQ(opened, 2);
}

}  // namespace

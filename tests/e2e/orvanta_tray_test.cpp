// The tray icon, its popup menu, the commands and the global hotkeys of the
// real Orvanta.exe.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fresh_settings_test.h"
#include "program_driver.h"

namespace {

using driver::TestWindow;

constexpr UINT kTrayMessage = WM_APP + 5;
constexpr WORD kGlassModeCommand = 1311;
constexpr DWORD kShowTimeoutMs = 3000;
constexpr DWORD kNothingHappensMs = 1000;
constexpr LPARAM kAllModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT;

HWND VisiblePopupMenu() {
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        if (IsWindowVisible(menu)) return menu;
    }
    return nullptr;
}

void CloseMenuWithEscape(HWND menu) {
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(menu, WM_KEYUP, VK_ESCAPE, 0);
}

// Asks the shell about the icon without changing it: only an existing icon
// can be modified.
bool TrayIconExists(HWND mainWindow) {
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = mainWindow;
    data.uID = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageA(window, message, wParam, lParam);
}

class OrvantaTray : public FreshSettingsTest {};

TEST_F(OrvantaTray, RightClickShowsTheMenuAndEscapeChoosesNothing) {
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    ASSERT_TRUE(driver::WaitUntil([&] { return TrayIconExists(main); }, kShowTimeoutMs));

    Post(main, kTrayMessage, 1, WM_RBUTTONUP);  // another icon's id
    driver::PumpFor(kNothingHappensMs);
    EXPECT_EQ(VisiblePopupMenu(), nullptr);

    Post(main, kTrayMessage, 0, WM_RBUTTONUP);
    ASSERT_TRUE(driver::WaitUntil([] { return VisiblePopupMenu() != nullptr; }, kShowTimeoutMs));
    CloseMenuWithEscape(VisiblePopupMenu());
    EXPECT_TRUE(driver::WaitUntil([] { return VisiblePopupMenu() == nullptr; }, kShowTimeoutMs));
    driver::PumpFor(300);
    EXPECT_FALSE(orvanta.HasExited());
    EXPECT_EQ(driver::GetDword("VistaAero"), std::nullopt) << "no command ran";
}

// The switch reads its check mark: alternating stored values show that the
// mark flips with the setting. The next ticks use the new mode.
TEST_F(OrvantaTray, GlassModeCommandSwitchesTheModeAndStoresIt) {
    TestWindow window(L"Mode");
    window.BringToFront();
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    ASSERT_TRUE(driver::WaitUntil(
        [&] { return window.Title().find(L"     ~") != std::wstring::npos; }, kShowTimeoutMs));

    Post(main, WM_COMMAND, kGlassModeCommand, 0);
    ASSERT_TRUE(
        driver::WaitUntil([] { return driver::GetDword("VistaAero") == 0u; }, kShowTimeoutMs));
    EXPECT_TRUE(driver::WaitUntil([&] { return window.Title() == L"Mode "; }, kShowTimeoutMs))
        << "caption drawing removes the stamp";

    Post(main, WM_COMMAND, kGlassModeCommand, 0);
    ASSERT_TRUE(
        driver::WaitUntil([] { return driver::GetDword("VistaAero") == 1u; }, kShowTimeoutMs));
    EXPECT_TRUE(
        driver::WaitUntil([&] { return window.Title().find(L"Mode      ~") == 0; }, kShowTimeoutMs))
        << "glass mode stamps again";
}

// Action 0 does nothing; action 7 asks first, and No does nothing.
TEST_F(OrvantaTray, DoubleClickRunsTheChosenAction) {
    driver::SetDword("QCtype", 7);
    {
        driver::Orvanta orvanta;
        Post(orvanta.MainWindow(), kTrayMessage, 0, WM_LBUTTONDBLCLK);
        HWND question = nullptr;
        ASSERT_TRUE(driver::WaitUntil(
            [&] { return (question = FindWindowA("#32770", "Orvanta Pro 7.2")) != nullptr; },
            kShowTimeoutMs));
        PostMessageA(question, WM_COMMAND, IDNO, 0);
        EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(question); }, kShowTimeoutMs));
        driver::PumpFor(300);
        EXPECT_FALSE(orvanta.HasExited());
        ASSERT_TRUE(orvanta.Exit());
    }

    driver::SetDword("QCtype", 0);
    driver::Orvanta orvanta;
    Post(orvanta.MainWindow(), kTrayMessage, 0, WM_LBUTTONDBLCLK);
    driver::PumpFor(kNothingHappensMs);
    EXPECT_EQ(FindWindowA("#32770", "Orvanta Pro 7.2"), nullptr);
    EXPECT_EQ(VisiblePopupMenu(), nullptr);
    EXPECT_FALSE(orvanta.HasExited());
}

// Only Shift+Ctrl+Alt counts; with F12 the menu shows at the screen's middle.
TEST_F(OrvantaTray, HotkeyF12ShowsTheMenuInTheMiddle) {
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    Post(main, WM_HOTKEY, 107, MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F12));
    driver::PumpFor(kNothingHappensMs);
    EXPECT_EQ(VisiblePopupMenu(), nullptr);

    Post(main, WM_HOTKEY, 107, MAKELPARAM(kAllModifiers, VK_F12));
    HWND menu = nullptr;
    ASSERT_TRUE(
        driver::WaitUntil([&] { return (menu = VisiblePopupMenu()) != nullptr; }, kShowTimeoutMs));
    RECT r;
    GetWindowRect(menu, &r);
    const int middleX = GetSystemMetrics(SM_CXSCREEN) / 2 - 25;
    const int middleY = GetSystemMetrics(SM_CYSCREEN) / 2 - 25;
    EXPECT_NEAR((r.left + r.right) / 2, middleX, 2);
    EXPECT_NEAR((r.top + r.bottom) / 2, middleY, 2);
    CloseMenuWithEscape(menu);
    EXPECT_TRUE(driver::WaitUntil([] { return VisiblePopupMenu() == nullptr; }, kShowTimeoutMs));
}

// One settings dialog at a time: a guarded command is dropped while another
// guarded dialog is open. The hotkey list has its own flag and opens beside.
TEST_F(OrvantaTray, GuardedCommandsAreDroppedWhileADialogIsOpen) {
    constexpr WORD kAbout = 1000;
    constexpr WORD kHotkeyList = 1140;
    constexpr int kClose = 9999;
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();

    Post(main, WM_COMMAND, kAbout, 0);
    ASSERT_TRUE(driver::WaitUntil(
        [] { return driver::VisibleDialogs("Orvanta Pro 7.2").size() == 1; }, kShowTimeoutMs))
        << "the about box takes its caption when it opens";
    Post(main, WM_COMMAND, kAbout, 0);
    Post(main, WM_COMMAND, kHotkeyList, 0);
    Post(main, WM_COMMAND, kHotkeyList, 0);
    ASSERT_TRUE(driver::WaitUntil(
        [] { return driver::VisibleDialogs("Orvanta Pro Hotkey List").size() == 1; },
        kShowTimeoutMs));
    driver::PumpFor(500);
    EXPECT_EQ(driver::VisibleDialogs("Orvanta Pro 7.2").size(), 1u);
    EXPECT_EQ(driver::VisibleDialogs("Orvanta Pro Hotkey List").size(), 1u);

    const HWND about = driver::VisibleDialogs("Orvanta Pro 7.2").front();
    SendMessageA(GetDlgItem(about, kClose), BM_CLICK, 0, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(about); }, kShowTimeoutMs));
    Post(main, WM_COMMAND, kAbout, 0);
    EXPECT_TRUE(driver::WaitUntil(
        [] { return driver::VisibleDialogs("Orvanta Pro 7.2").size() == 1; }, kShowTimeoutMs))
        << "closing the dialog released the guard";
}

// Without Horalink beside it, the command reports nothing.
TEST_F(OrvantaTray, RunHoralinkWithoutHoralinkReportsNothing) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "orvanta-alone";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string copy = folder + "\\Orvanta.exe";
    ASSERT_TRUE(CopyFileA(driver::BesideThisProgram("Orvanta.exe").c_str(), copy.c_str(), FALSE));
    {
        driver::Program alone(copy);
        HWND main = nullptr;
        ASSERT_TRUE(driver::WaitUntil(
            [&] { return (main = FindWindowA(driver::kOrvantaClass, nullptr)) != nullptr; },
            10000));
        Post(main, WM_COMMAND, driver::kRunHoralinkCommand, 0);
        driver::PumpFor(kNothingHappensMs);
        EXPECT_FALSE(alone.HasExited());
        EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr) << "no message appears";
        Post(main, WM_COMMAND, driver::kExitCommand, 0);
        EXPECT_TRUE(driver::WaitUntil([&] { return alone.HasExited(); }, 5000));
    }
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(OrvantaTray, ExitRemovesTheIconAndEndsWithZero) {
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    ASSERT_TRUE(driver::WaitUntil([&] { return TrayIconExists(main); }, kShowTimeoutMs));
    const HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    ASSERT_TRUE(orvanta.Exit());
    EXPECT_EQ(orvanta.ExitCode(), 0u);
    EXPECT_FALSE(TrayIconExists(main));
    EXPECT_TRUE(
        driver::WaitUntil([&] { return !taskbar || !IsWindowVisible(taskbar); }, kShowTimeoutMs))
        << "the taskbar shows only while an icon exists";
}

// After the shell restarts, its broadcast brings the icon back.
TEST_F(OrvantaTray, TaskbarCreatedAddsTheIconAgain) {
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    ASSERT_TRUE(driver::WaitUntil([&] { return TrayIconExists(main); }, kShowTimeoutMs));
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = main;
    data.uID = 0;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    ASSERT_FALSE(TrayIconExists(main));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);

    EXPECT_TRUE(driver::WaitUntil([&] { return TrayIconExists(main); }, kShowTimeoutMs));
}

}  // namespace

// The desktop cover, copying the time, start with Windows and the screen
// saver of the real Orvanta.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fresh_settings_test.h"
#include "program_driver.h"
#include "program_windows.h"

namespace {

constexpr UINT kHotkeyModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT;
constexpr WORD kStartWithWindowsCommand = 1190;
constexpr WORD kCopyTimeCommand = 1250;
constexpr WORD kHideDesktopCommand = 1280;
constexpr WORD kScreensaverCommand = 1313;
constexpr DWORD kShowTimeoutMs = 3000;
constexpr DWORD kNothingHappensMs = 1000;
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "ORV Pro";

void Post(HWND window, WORD command) {
    PostMessageA(window, WM_COMMAND, command, 0);
}

void PostHotkey(HWND window, UINT key) {
    PostMessageA(window, WM_HOTKEY, 0, MAKELPARAM(kHotkeyModifiers, key));
}

// Presses Shift+Ctrl+Alt with the key on the keyboard, as the user would.
void PressHotkey(WORD key) {
    const WORD keys[] = {VK_SHIFT, VK_CONTROL, VK_MENU, key};
    std::vector<INPUT> inputs;
    for (WORD k : keys) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = k;
        inputs.push_back(in);
    }
    for (int i = 3; i >= 0; --i) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = keys[i];
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Whether some program holds the key with Shift+Ctrl+Alt: a second
// registration of a taken combination fails.
bool HotkeyTaken(UINT key) {
    constexpr int kProbeId = 1;
    if (!RegisterHotKey(nullptr, kProbeId, kHotkeyModifiers, key)) return true;
    UnregisterHotKey(nullptr, kProbeId);
    return false;
}

class OrvantaDesktopActions : public FreshSettingsTest {};

// ---- The desktop cover ----

// The cover is the process's dialog window without a title.
std::vector<HWND> Covers(const driver::Orvanta& orvanta) {
    return e2e::ProcessDialogs(orvanta.Process(), "");
}

bool OneCoverOpen(const driver::Orvanta& orvanta) {
    return Covers(orvanta).size() == 1;
}

bool NoCoverOpen(const driver::Orvanta& orvanta) {
    return Covers(orvanta).empty();
}

void DoubleClick(HWND window) {
    PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(200, 200));
}

// Whether the pixel (0x00RRGGBB) is mostly the red the test gave the hint.
bool IsRed(DWORD pixel) {
    const DWORD r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r > 200 && g < 90 && b < 90;
}

// The hint line near the bottom left of the screen, in the hint colour.
bool HintTextShown() {
    const int bottom = GetSystemMetrics(SM_CYSCREEN);
    const std::vector<DWORD> band = driver::CaptureScreen({15, bottom - 25, 400, bottom - 5});
    return std::any_of(band.begin(), band.end(), IsRed);
}

TEST_F(OrvantaDesktopActions, HideDesktopOpensOneTopmostScreenCoverUntilADoubleClick) {
    driver::SetDword("DTColor", RGB(255, 0, 0));
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    for (int i = 0; i < 3; ++i) Post(main, kHideDesktopCommand);
    PostHotkey(main, VK_F7);  // the main window's hotkey sends the same command
    ASSERT_TRUE(driver::WaitUntil([&] { return OneCoverOpen(orvanta); }, kShowTimeoutMs));
    driver::PumpFor(kNothingHappensMs);
    ASSERT_EQ(Covers(orvanta).size(), 1u);

    const HWND cover = Covers(orvanta).front();
    RECT r;
    GetWindowRect(cover, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongA(cover, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(driver::WaitUntil(HintTextShown, kShowTimeoutMs)) << "the hint in DTColor";

    DoubleClick(cover);
    EXPECT_TRUE(driver::WaitUntil([&] { return NoCoverOpen(orvanta); }, kShowTimeoutMs));
    Post(main, kHideDesktopCommand);
    EXPECT_TRUE(driver::WaitUntil([&] { return OneCoverOpen(orvanta); }, kShowTimeoutMs))
        << "closing clears the cover-open flag";
}

// Esc, Enter and Alt+F4 reach a dialog as these messages; none closes it.
TEST_F(OrvantaDesktopActions, CoverIgnoresEscEnterAndAltF4) {
    driver::Orvanta orvanta;
    Post(orvanta.MainWindow(), kHideDesktopCommand);
    ASSERT_TRUE(driver::WaitUntil([&] { return OneCoverOpen(orvanta); }, kShowTimeoutMs));
    const HWND cover = Covers(orvanta).front();
    const struct {
        UINT message;
        WPARAM wParam;
    } keys[] = {
        {WM_KEYDOWN, VK_ESCAPE}, {WM_KEYDOWN, VK_RETURN},   {WM_COMMAND, IDCANCEL},
        {WM_COMMAND, IDOK},      {WM_SYSCOMMAND, SC_CLOSE}, {WM_CLOSE, 0},
    };
    for (const auto& k : keys) PostMessageA(cover, k.message, k.wParam, 0);
    driver::PumpFor(kNothingHappensMs);
    EXPECT_TRUE(IsWindow(cover));
    EXPECT_TRUE(OneCoverOpen(orvanta));
}

// The cover holds the hotkey while it is open and gives it back on closing.
TEST_F(OrvantaDesktopActions, ShiftCtrlAltF7CoversAndUncoversTheDesktop) {
    driver::Orvanta orvanta;
    ASSERT_TRUE(driver::WaitUntil([] { return HotkeyTaken(VK_F7); }, kShowTimeoutMs))
        << "the program registers its hotkeys as it starts";
    PressHotkey(VK_F7);
    ASSERT_TRUE(driver::WaitUntil([&] { return OneCoverOpen(orvanta); }, kShowTimeoutMs));
    PressHotkey(VK_F7);
    ASSERT_TRUE(driver::WaitUntil([&] { return NoCoverOpen(orvanta); }, kShowTimeoutMs));
    PressHotkey(VK_F7);
    EXPECT_TRUE(driver::WaitUntil([&] { return OneCoverOpen(orvanta); }, kShowTimeoutMs));
}

// ---- Copy the time ----

std::optional<std::string> ClipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard() {
    ASSERT_TRUE(driver::WaitUntil(
        [] {
            if (!OpenClipboard(nullptr)) return false;
            EmptyClipboard();
            CloseClipboard();
            return true;
        },
        kShowTimeoutMs));
}

// The clock for the command string "month+year", e.g. "January 2024".
std::string MonthAndYear() {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::string(kMonths[now.wMonth - 1]) + " " + std::to_string(now.wYear);
}

TEST_F(OrvantaDesktopActions, CopyPutsTheClockWithoutMarginsOnTheClipboard) {
    driver::SetString("Layout", "month+year");
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    driver::PumpFor(500);  // a few ticks build the clock string

    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } triggers[] = {
        {"command 1250", WM_COMMAND, kCopyTimeCommand, 0},
        {"Shift+Ctrl+Alt+F9", WM_HOTKEY, 104, MAKELPARAM(kHotkeyModifiers, VK_F9)},
    };
    for (const auto& t : triggers) {
        SCOPED_TRACE(t.name);
        EmptyTheClipboard();
        PostMessageA(main, t.message, t.wParam, t.lParam);
        std::optional<std::string> text;
        EXPECT_TRUE(driver::WaitUntil(
            [&] { return (text = ClipboardText()) && *text == MonthAndYear(); }, kShowTimeoutMs))
            << "clipboard: '" << text.value_or("(none)") << "'";
    }
}

// ---- Start with Windows ----

struct RunEntry {
    DWORD type;
    std::string bytes;  // as stored, with the NUL the program counted
};

std::optional<RunEntry> ReadRunEntry() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    char data[512];
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG rc =
        RegQueryValueExA(key, kRunValue, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return std::nullopt;
    return RunEntry{type, std::string(data, size)};
}

void DeleteRunEntry() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, kRunValue);
    RegCloseKey(key);
}

void WriteRunEntry(const std::string& text) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

class OrvantaStartWithWindows : public OrvantaDesktopActions {
  protected:
    void SetUp() override {
        OrvantaDesktopActions::SetUp();
        DeleteRunEntry();
    }
    void TearDown() override {
        DeleteRunEntry();
        OrvantaDesktopActions::TearDown();
    }

    void Switch(HWND main, DWORD expectedAutoRun) {
        Post(main, kStartWithWindowsCommand);
        ASSERT_TRUE(driver::WaitUntil(
            [&] { return driver::GetDword("AutoRun") == expectedAutoRun; }, kShowTimeoutMs));
    }
};

// The Run value holds the quoted path with its NUL, the same at every
// switch-on; switching off deletes it. AutoRun decides the direction, so a
// value removed by hand only makes the next switch turn the option off.
TEST_F(OrvantaStartWithWindows, OnOffOnWritesAndDeletesTheRunValue) {
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    const std::string expected = "\"" + driver::BesideThisProgram("Orvanta.exe") + "\"" + '\0';

    Switch(main, 1);
    const std::optional<RunEntry> first = ReadRunEntry();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(first->bytes, expected);

    Switch(main, 0);
    EXPECT_FALSE(ReadRunEntry());

    Switch(main, 1);
    const std::optional<RunEntry> second = ReadRunEntry();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->type, first->type);
    EXPECT_EQ(second->bytes, first->bytes);

    DeleteRunEntry();
    Switch(main, 0);
    EXPECT_FALSE(ReadRunEntry());
    EXPECT_FALSE(orvanta.HasExited());
}

// Neither the menu mark nor the Run key decides: a stored AutoRun other
// than 0 counts as on (and its item starts unmarked), and a stale Run value
// is overwritten when AutoRun is 0.
TEST_F(OrvantaStartWithWindows, AutoRunSettingDecidesTheDirection) {
    const struct {
        DWORD storedAutoRun;
        const char* staleValue;  // in the Run key before the switch, or null
        DWORD autoRunAfter;
        bool valueAfter;
    } cases[] = {
        {2, nullptr, 0, false},
        {0, "\"C:\\elsewhere\\Old.exe\"", 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("AutoRun " + std::to_string(c.storedAutoRun));
        driver::DeleteSettingsKey();
        DeleteRunEntry();
        driver::SetDword("AutoRun", c.storedAutoRun);
        if (c.staleValue) WriteRunEntry(c.staleValue);
        driver::Orvanta orvanta;
        Switch(orvanta.MainWindow(), c.autoRunAfter);
        const std::optional<RunEntry> entry = ReadRunEntry();
        EXPECT_EQ(entry.has_value(), c.valueAfter);
        if (entry && c.valueAfter) {
            EXPECT_EQ(entry->bytes, "\"" + driver::BesideThisProgram("Orvanta.exe") + "\"" + '\0');
        }
    }
}

// ---- The screen saver ----

// Wine starts no screen saver; what can be seen is that asking for one does
// not hold up the program.
TEST_F(OrvantaDesktopActions, ScreensaverRequestLeavesTheProgramResponsive) {
    driver::Orvanta orvanta;
    const HWND main = orvanta.MainWindow();
    Post(main, kScreensaverCommand);
    PostHotkey(main, VK_F6);
    DWORD_PTR result;
    EXPECT_TRUE(
        SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kShowTimeoutMs, &result));
    EXPECT_FALSE(orvanta.HasExited());
}

}  // namespace

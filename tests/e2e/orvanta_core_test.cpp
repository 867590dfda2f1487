// The real Orvanta.exe in the virtual desktop: one copy at a time, the hidden
// main window, and the clock on the foreground window's caption or title.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "fresh_settings_test.h"
#include "program_driver.h"

namespace {

using driver::TestWindow;

const std::wstring kMarker = L"     ~";
constexpr DWORD kStampTimeoutMs = 3000;
// Long enough for dozens of ticks: what has not happened by then does not.
constexpr DWORD kNothingHappensMs = 1000;

// The time as the default clock shows it, e.g. "1:07PM".
std::wstring ClockTimeText(const SYSTEMTIME& t) {
    const int hour = t.wHour == 0 ? 12 : (t.wHour > 12 ? t.wHour - 12 : t.wHour);
    wchar_t text[16];
    swprintf(text, 16, L"%d:%02d%ls", hour, t.wMinute, t.wHour < 12 ? L"AM" : L"PM");
    return text;
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

class OrvantaCore : public FreshSettingsTest {};

TEST_F(OrvantaCore, SecondCopyEndsWithZeroAndTheFirstKeepsRunning) {
    driver::Orvanta first;
    ASSERT_NE(first.MainWindow(), nullptr);
    driver::Program second(driver::BesideThisProgram("Orvanta.exe"));
    ASSERT_TRUE(driver::WaitUntil([&] { return second.HasExited(); }, 10000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(first.HasExited());
    EXPECT_FALSE(IsWindowVisible(first.MainWindow())) << "the main window stays hidden";
    EXPECT_TRUE(first.Exit());
    EXPECT_EQ(first.ExitCode(), 0u);
}

// Closing, restoring or a command from a control do not end the program;
// only the exit command does.
TEST_F(OrvantaCore, OnlyTheExitCommandEndsIt) {
    driver::Orvanta orvanta;
    const HWND window = orvanta.MainWindow();
    ASSERT_NE(window, nullptr);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } harmless[] = {
        {WM_CLOSE, 0, 0},
        {WM_SIZE, SIZE_RESTORED, 0},
        {WM_COMMAND, driver::kExitCommand, 1},  // from a control, not the menu
    };
    for (const auto& m : harmless) {
        DWORD_PTR result;
        SendMessageTimeoutA(window, m.message, m.wParam, m.lParam, SMTO_ABORTIFHUNG, 2000, &result);
    }
    driver::PumpFor(500);
    EXPECT_FALSE(orvanta.HasExited());
    EXPECT_FALSE(IsWindowVisible(window));
    ASSERT_TRUE(orvanta.Exit());
    EXPECT_EQ(orvanta.ExitCode(), 0u);
}

TEST_F(OrvantaCore, GlassModeStampsTheClockIntoTheTitle) {
    TestWindow window(L"Stamp test");
    window.BringToFront();
    driver::Orvanta orvanta;
    ASSERT_TRUE(driver::WaitUntil(
        [&] { return StartsWith(window.Title(), L"Stamp test" + kMarker + L"    "); },
        kStampTimeoutMs))
        << "title: " << std::string(window.Title().begin(), window.Title().end());

    static const wchar_t* const kDays[] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                           L"Thursday", L"Friday", L"Saturday"};
    SYSTEMTIME now;
    GetLocalTime(&now);
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
            GetLocalTime(&now);
            const std::wstring title = window.Title();
            return StartsWith(title, L"Stamp test" + kMarker + L"    " + kDays[now.wDayOfWeek]) &&
                   title.find(L" - " + ClockTimeText(now) + L" - ") != std::wstring::npos;
        },
        kStampTimeoutMs))
        << "title: " << std::string(window.Title().begin(), window.Title().end());
    const std::wstring title = window.Title();
    EXPECT_EQ(title.substr(title.size() - 3), L"GB ") << "one of the four closing spaces stays";
}

// Dialog-like windows and windows on the disallow list are left alone; a
// normal window shown afterwards proves the clock was running. The list
// compares class names with their letter case.
TEST_F(OrvantaCore, WindowsThatMayNotCarryTheClockAreLeftAlone) {
    driver::SetString("AppName2", "DisallowedTestWindow");
    driver::SetString("AppName4", "orvantatestwindow");
    driver::Orvanta orvanta;
    TestWindow noMaximizeBox(L"No maximise box", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX);
    TestWindow disallowed(L"Disallowed", WS_OVERLAPPEDWINDOW, L"DisallowedTestWindow");
    TestWindow caseDiffers(L"Case differs");
    for (TestWindow* window : {&noMaximizeBox, &disallowed}) {
        const std::wstring before = window->Title();
        window->BringToFront();
        driver::PumpFor(kNothingHappensMs);
        EXPECT_EQ(window->Title(), before);
    }
    caseDiffers.BringToFront();
    EXPECT_TRUE(driver::WaitUntil(
        [&] { return StartsWith(caseDiffers.Title(), L"Case differs" + kMarker); },
        kStampTimeoutMs));
}

// The Greek names reach the title as Greek letters whatever the system's
// code page.
TEST_F(OrvantaCore, GreekDayNameIsStampedInUtf16) {
    static const wchar_t* const kGreekDays[] = {
        L"\u039A\u03C5\u03C1\u03B9\u03B1\u03BA\u03AE",              // Κυριακή
        L"\u0394\u03B5\u03C5\u03C4\u03AD\u03C1\u03B1",              // Δευτέρα
        L"\u03A4\u03C1\u03AF\u03C4\u03B7",                          // Τρίτη
        L"\u03A4\u03B5\u03C4\u03AC\u03C1\u03C4\u03B7",              // Τετάρτη
        L"\u03A0\u03AD\u03BC\u03C0\u03C4\u03B7",                    // Πέμπτη
        L"\u03A0\u03B1\u03C1\u03B1\u03C3\u03BA\u03B5\u03C5\u03AE",  // Παρασκευή
        L"\u03A3\u03AC\u03B2\u03B2\u03B1\u03C4\u03BF",              // Σάββατο
    };
    driver::SetString("Layout", "day");
    driver::SetDword("Language", 4);
    TestWindow window(L"Greek");
    window.BringToFront();
    driver::Orvanta orvanta;
    SYSTEMTIME now;
    EXPECT_TRUE(driver::WaitUntil(
        [&] {
            GetLocalTime(&now);
            return window.Title() ==
                   L"Greek" + kMarker + L"    " + kGreekDays[now.wDayOfWeek] + L" ";
        },
        kStampTimeoutMs));
}

// The caption band just left of the caption buttons, where the clock goes.
RECT ClockBand(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    RECT client;
    GetClientRect(window, &client);
    const int right = frame.left + client.right - (3 * GetSystemMetrics(SM_CXSIZE) + 10);
    const int top = frame.top + GetSystemMetrics(SM_CYFRAME);
    return {right - 200, top, right, top + GetSystemMetrics(SM_CYCAPTION)};
}

TEST_F(OrvantaCore, CaptionModeDrawsTheClockAndRemovesAStamp) {
    driver::SetDword("VistaAero", 0);
    TestWindow window(L"Name" + kMarker + L"    Thursday - 1:07PM ");
    window.BringToFront();
    driver::PumpFor(300);
    const RECT band = ClockBand(window.Handle());
    const std::vector<DWORD> before = driver::CaptureScreen(band);

    driver::Orvanta orvanta;
    EXPECT_TRUE(driver::WaitUntil([&] { return window.Title() == L"Name "; }, kStampTimeoutMs));
    EXPECT_TRUE(
        driver::WaitUntil([&] { return driver::CaptureScreen(band) != before; }, kStampTimeoutMs))
        << "the clock is drawn on the caption band";
}

// A foreground window whose thread has stopped answering must not stop the
// clock on the next window that comes to the foreground. With seconds shown,
// the hung window's title needs a new stamp every second.
TEST_F(OrvantaCore, HungWindowDoesNotStopTheClock) {
    driver::SetDword("SecFlag", 1);
    driver::Orvanta orvanta;
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE stamped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread hung([&] {
        TestWindow window(L"Hung");
        window.BringToFront();
        driver::WaitUntil([&] { return StartsWith(window.Title(), L"Hung" + kMarker); },
                          kStampTimeoutMs);
        SetEvent(stamped);
        WaitForSingleObject(release, INFINITE);  // stops pumping messages
    });
    ASSERT_EQ(WaitForSingleObject(stamped, 10000), WAIT_OBJECT_0);
    driver::PumpFor(1500);  // the clock moves on and Orvanta tries to stamp the hung window

    TestWindow next(L"Next");
    next.BringToFront();
    EXPECT_TRUE(
        driver::WaitUntil([&] { return StartsWith(next.Title(), L"Next" + kMarker); }, 1000));

    SetEvent(release);
    hung.join();
    CloseHandle(release);
    CloseHandle(stamped);
}

}  // namespace

// Maximise-all and centre-all of the real Orvanta.exe on test windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "fresh_settings_test.h"
#include "program_driver.h"
#include "program_windows.h"

namespace {

using driver::TestWindow;

constexpr WORD kMaximizeAllCommand = 1210;
constexpr WORD kCenterAllCommand = 1215;
constexpr DWORD kArrangeTimeoutMs = 3000;
// Dozens of timer periods: what has not happened by then does not.
constexpr DWORD kNothingHappensMs = 1000;
constexpr DWORD kDialogLikeStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

RECT WindowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") to (" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// Screen less 300 by 200, centred across and 20 pixels above the middle:
// 724 by 568 at (150, 80) on the 1024 by 768 test screen.
RECT CentredRect() {
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    const int x = cx / 2 - (cx - 300) / 2;
    const int y = cy / 2 - (cy - 200) / 2 - 20;
    return {x, y, x + cx - 300, y + cy - 200};
}

// From the screen's corner to the work area's right and bottom.
RECT WorkAreaRect() {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return {0, 0, work.right, work.bottom};
}

bool Arrives(HWND window, RECT (*expected)()) {
    return driver::WaitUntil([&] { return SameRect(WindowRect(window), expected()); },
                             kArrangeTimeoutMs);
}

void Post(HWND window, WORD command) {
    PostMessageA(window, WM_COMMAND, command, 0);
}

class OrvantaArranging : public FreshSettingsTest {};

// A dialog-like window has no maximise box and is left alone; a normal
// window shown afterwards proves the timer runs.
TEST_F(OrvantaArranging, CenterAllCommandCentresNewWindowsButNotDialogs) {
    driver::Orvanta orvanta;
    Post(orvanta.MainWindow(), kCenterAllCommand);
    ASSERT_TRUE(
        driver::WaitUntil([] { return driver::GetDword("Center") == 1u; }, kArrangeTimeoutMs));

    TestWindow dialogLike(L"Dialog-like", kDialogLikeStyle);
    const RECT before = WindowRect(dialogLike.Handle());
    dialogLike.BringToFront();
    driver::PumpFor(kNothingHappensMs);
    EXPECT_TRUE(SameRect(WindowRect(dialogLike.Handle()), before))
        << Describe(WindowRect(dialogLike.Handle()));

    TestWindow window(L"Centre me");
    window.BringToFront();
    EXPECT_TRUE(Arrives(window.Handle(), CentredRect)) << Describe(WindowRect(window.Handle()));
}

// Each window is arranged once per visit to the foreground: the user's own
// size stays until another window has been in front.
TEST_F(OrvantaArranging, UsersSizeStaysUntilTheWindowComesBack) {
    driver::SetDword("Center", 1);
    driver::Orvanta orvanta;
    TestWindow first(L"First");
    TestWindow second(L"Second");
    first.BringToFront();
    ASSERT_TRUE(Arrives(first.Handle(), CentredRect)) << Describe(WindowRect(first.Handle()));

    MoveWindow(first.Handle(), 10, 20, 300, 200, TRUE);
    const RECT usersRect = WindowRect(first.Handle());
    driver::PumpFor(kNothingHappensMs);
    EXPECT_TRUE(SameRect(WindowRect(first.Handle()), usersRect))
        << Describe(WindowRect(first.Handle()));

    second.BringToFront();
    ASSERT_TRUE(Arrives(second.Handle(), CentredRect));
    first.BringToFront();
    EXPECT_TRUE(Arrives(first.Handle(), CentredRect)) << Describe(WindowRect(first.Handle()));
}

// A maximised window is left alone while it stays maximised; restored in
// the foreground, it is arranged at once.
TEST_F(OrvantaArranging, MaximizeAllFillsTheWorkAreaAndLeavesMaximisedWindows) {
    driver::SetDword("Maximize", 1);
    driver::Orvanta orvanta;
    TestWindow window(L"Fill the work area");
    window.BringToFront();
    EXPECT_TRUE(Arrives(window.Handle(), WorkAreaRect)) << Describe(WindowRect(window.Handle()));
    EXPECT_FALSE(IsZoomed(window.Handle())) << "it covers the work area without being maximised";

    TestWindow maximised(L"Maximised");
    ShowWindow(maximised.Handle(), SW_SHOWMAXIMIZED);
    maximised.BringToFront();
    const RECT maximisedRect = WindowRect(maximised.Handle());
    driver::PumpFor(kNothingHappensMs);
    EXPECT_TRUE(IsZoomed(maximised.Handle()));
    EXPECT_TRUE(SameRect(WindowRect(maximised.Handle()), maximisedRect))
        << Describe(WindowRect(maximised.Handle()));
    ShowWindow(maximised.Handle(), SW_RESTORE);
    EXPECT_TRUE(Arrives(maximised.Handle(), WorkAreaRect))
        << Describe(WindowRect(maximised.Handle()));
}

// Switching one option on while the other is on refuses with a message and
// changes nothing: the other option keeps arranging windows.
TEST_F(OrvantaArranging, OptionsExcludeEachOther) {
    const struct {
        const char* storedOn;
        const char* refused;
        WORD command;
        const char* message;
        RECT (*stillArrangedAs)();
    } cases[] = {
        {"Center", "Maximize", kMaximizeAllCommand,
         "Center All Windows must be unchecked to use Maximize All Windows.", CentredRect},
        {"Maximize", "Center", kCenterAllCommand,
         "Maximize All Windows must be unchecked to use Center All Windows.", WorkAreaRect},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        driver::DeleteSettingsKey();
        driver::SetDword(c.storedOn, 1);
        driver::Orvanta orvanta;
        Post(orvanta.MainWindow(), c.command);
        HWND box = nullptr;
        ASSERT_TRUE(driver::WaitUntil(
            [&] { return (box = e2e::FindMessageBox(orvanta.Process(), c.message)) != nullptr; },
            kArrangeTimeoutMs));
        e2e::PressOk(box);
        ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, kArrangeTimeoutMs));

        EXPECT_EQ(driver::GetDword(c.refused), std::nullopt);
        EXPECT_EQ(driver::GetDword(c.storedOn), 1u);
        TestWindow window(L"Still arranged");
        window.BringToFront();
        EXPECT_TRUE(Arrives(window.Handle(), c.stillArrangedAs))
            << Describe(WindowRect(window.Handle()));
    }
}

// Switched off, the option stops its timer.
TEST_F(OrvantaArranging, SwitchingOffStopsArranging) {
    driver::SetDword("Maximize", 1);
    driver::Orvanta orvanta;
    Post(orvanta.MainWindow(), kMaximizeAllCommand);
    ASSERT_TRUE(
        driver::WaitUntil([] { return driver::GetDword("Maximize") == 0u; }, kArrangeTimeoutMs));
    TestWindow window(L"Left alone");
    const RECT before = WindowRect(window.Handle());
    window.BringToFront();
    driver::PumpFor(kNothingHappensMs);
    EXPECT_TRUE(SameRect(WindowRect(window.Handle()), before))
        << Describe(WindowRect(window.Handle()));
}

}  // namespace

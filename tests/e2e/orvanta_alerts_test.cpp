// Alerts of the real Orvanta.exe: when they fire, and what each alert type
// shows or does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fresh_settings_test.h"
#include "program_driver.h"

namespace {

constexpr UINT kTrayMessage = WM_APP + 5;
constexpr UINT kAlertMessage = WM_APP + 6;
constexpr DWORD kShowTimeoutMs = 5000;
constexpr DWORD kNothingHappensMs = 1000;

HWND WaitForWindow(const char* title) {
    HWND window = nullptr;
    driver::WaitUntil(
        [&] {
            const auto found = driver::VisibleDialogs(title);
            window = found.empty() ? nullptr : found.front();
            return window != nullptr;
        },
        kShowTimeoutMs);
    return window;
}

// The time as the alert test renders it with the 12-hour clock, e.g. "9:05".
std::string MinuteText(const SYSTEMTIME& t) {
    const int hour = t.wHour == 0 ? 12 : (t.wHour > 12 ? t.wHour - 12 : t.wHour);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", hour, t.wMinute);
    return text;
}

// The current time, a few seconds away from the next minute so that a test
// built on it finishes within its minute.
SYSTEMTIME SettledNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wSecond >= 50) {
        driver::PumpFor((61 - now.wSecond) * 1000);
        GetLocalTime(&now);
    }
    return now;
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// A 24-bit bitmap file of the given size.
void WriteBitmap(const std::string& path, int width, int height) {
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = rowBytes * height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<char> pixels(info.biSizeImage, '\x60');
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info, sizeof info, 1, f);
    std::fwrite(pixels.data(), 1, pixels.size(), f);
    std::fclose(f);
}

class OrvantaAlerts : public FreshSettingsTest {
  protected:
    void SetAlertType(DWORD visual, DWORD audible) {
        driver::SetDword("Visual", visual);
        driver::SetDword("Audible", audible);
    }
};

// The guard starts clear, so an alert due this minute shows at once.
TEST_F(OrvantaAlerts, DailyTimeShowsThePopupAtStart) {
    const SYSTEMTIME now = SettledNow();
    driver::SetDword("AFlag", 1);
    driver::SetDword("AType", 1);
    driver::SetDword("DTPick", 0);
    driver::SetString("TAlert", MinuteText(now));
    driver::SetString("ANote", "Time to stretch");
    driver::Orvanta orvanta;
    const HWND box = WaitForWindow("Pop-up message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(driver::MessageBoxText(box), L"Time to stretch");
    driver::AnswerOk(box);
}

// A dated entry in the locale's short date format, as the alert dialog's
// date picker shows it.
TEST_F(OrvantaAlerts, DateListEntryForTodayShowsThePopup) {
    const SYSTEMTIME now = SettledNow();
    char date[64];
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
    const std::string entry = MinuteText(now) + (now.wHour < 12 ? "AM" : "PM") + ";" + date;
    const std::string list = "1:00AM;1/1/2001~" + entry + "~";
    driver::SetDword("AFlag", 1);
    driver::SetDword("AType", 1);
    driver::SetDword("DTPick", 1);
    driver::SetString("DStrings", list);
    driver::SetString("ANote", "Dated");
    driver::Orvanta orvanta;
    const HWND box = WaitForWindow("Pop-up message");
    ASSERT_NE(box, nullptr) << "entry " << entry;
    EXPECT_EQ(driver::MessageBoxText(box), L"Dated");
    driver::AnswerOk(box);
}

// The tray's test action runs the alert even while alerts are disarmed; a
// second alert while the first box is open shows nothing.
TEST_F(OrvantaAlerts, SecondAlertWaitsForTheFirstBoxToClose) {
    driver::SetDword("QCtype", 8);
    driver::SetString("ANote", "Once");
    driver::Orvanta orvanta;
    PostMessageA(orvanta.MainWindow(), kTrayMessage, 0, WM_LBUTTONDBLCLK);
    const HWND box = WaitForWindow("Pop-up message");
    ASSERT_NE(box, nullptr);

    PostMessageA(orvanta.MainWindow(), kAlertMessage, 0, 0);
    driver::PumpFor(kNothingHappensMs);
    EXPECT_EQ(driver::VisibleDialogs("Pop-up message").size(), 1u);
    driver::AnswerOk(box);

    PostMessageA(orvanta.MainWindow(), kAlertMessage, 0, 0);
    const HWND next = WaitForWindow("Pop-up message");
    ASSERT_NE(next, nullptr);
    driver::AnswerOk(next);
}

// The picture window fits the picture plus frame and caption, centred, and
// shows the stored transparency; Esc closes it and the next one opens.
TEST_F(OrvantaAlerts, PictureAlertFitsThePictureAndClosesWithEscape) {
    const std::string bitmap = TempPath("orvanta-alert.bmp");
    WriteBitmap(bitmap, 96, 64);
    SetAlertType(2, 0);
    driver::SetString("BName", bitmap);
    driver::SetDword("Trans", 1);
    driver::SetDword("Track", 200);
    driver::Orvanta orvanta;

    PostMessageA(orvanta.MainWindow(), kAlertMessage, 0, 0);
    HWND picture = WaitForWindow("Bitmap Alert");
    ASSERT_NE(picture, nullptr);
    RECT r;
    GetWindowRect(picture, &r);
    const int width = 96 + GetSystemMetrics(SM_CYFRAME);
    const int height = 64 + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2);
    EXPECT_EQ(r.top, GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2);
    EXPECT_TRUE(GetWindowLongA(picture, GWL_EXSTYLE) & WS_EX_TOPMOST);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(picture, &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(1, 0, 0));
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));

    PostMessageA(picture, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(picture); }, kShowTimeoutMs));

    driver::SetDword("Trans", 0);
    PostMessageA(orvanta.MainWindow(), kAlertMessage, 0, 0);
    picture = WaitForWindow("Bitmap Alert");
    ASSERT_NE(picture, nullptr) << "the busy flag was cleared";
    ASSERT_TRUE(GetLayeredWindowAttributes(picture, &key, &alpha, &flags));
    EXPECT_EQ(alpha, 255) << "opaque once the stored setting says so";
    PostMessageA(picture, WM_CLOSE, 0, 0);
    driver::WaitUntil([&] { return !IsWindow(picture); }, kShowTimeoutMs);
    DeleteFileA(bitmap.c_str());
}

TEST_F(OrvantaAlerts, ProgramAlertStartsTheProgram) {
    const std::string program = driver::BesideThisProgram("alert_marker.exe");
    const std::string marker = program + ".ran";
    DeleteFileA(marker.c_str());
    SetAlertType(4, 0);
    driver::SetString("YName", program);
    driver::Orvanta orvanta;
    PostMessageA(orvanta.MainWindow(), kAlertMessage, 0, 0);
    EXPECT_TRUE(driver::WaitUntil(
        [&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000));
    DeleteFileA(marker.c_str());
}

// No sound device here: the box and its closing are what can be seen.
TEST_F(OrvantaAlerts, RepeatingToneRunsUntilOk) {
    SetAlertType(0, 1);
    driver::Orvanta orvanta;
    PostMessageA(orvanta.MainWindow(), kAlertMessage, 0, 0);
    const HWND box = WaitForWindow("Audible Alert");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(driver::MessageBoxText(box), L"Click Ok to stop");
    driver::AnswerOk(box);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_FALSE(orvanta.HasExited());
}

// The video device's own window, as Wine and Windows name its class.
HWND VideoWindow() {
    for (const char* name : {"MCIAVI", "AVIWnd32"}) {
        const HWND window = FindWindowA(name, nullptr);
        if (window && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

// The main thread plays the video to its end, answering nothing meanwhile,
// then goes on.
TEST_F(OrvantaAlerts, VideoAlertPlaysToItsEndThenReturns) {
    char video[MAX_PATH];
    GetFullPathNameA("tests\\fixtures\\short.avi", MAX_PATH, video, nullptr);
    ASSERT_NE(GetFileAttributesA(video), INVALID_FILE_ATTRIBUTES) << video;
    SetAlertType(3, 0);
    driver::SetString("AName", video);
    driver::Orvanta orvanta;
    PostMessageA(orvanta.MainWindow(), kAlertMessage, 0, 0);
    ASSERT_TRUE(driver::WaitUntil([] { return VideoWindow() != nullptr; }, kShowTimeoutMs));
    DWORD_PTR result;
    EXPECT_FALSE(
        SendMessageTimeoutA(orvanta.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 300, &result))
        << "busy playing";
    EXPECT_TRUE(
        SendMessageTimeoutA(orvanta.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 15000, &result));
    EXPECT_TRUE(driver::WaitUntil([] { return VideoWindow() == nullptr; }, kShowTimeoutMs))
        << "the device is closed after playing";
    EXPECT_FALSE(orvanta.HasExited());
}

}  // namespace

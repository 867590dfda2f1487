// Screen capture to JPEG of the real Orvanta.exe: the hotkey and the menu
// command, with the save dialog answered as a user would.
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "program_driver.h"
#include "program_windows.h"

namespace {

using driver::TestWindow;
using namespace Gdiplus::DllExports;

constexpr WORD kCaptureCommand = 1312;
constexpr UINT kHotkeyModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT;
constexpr char kSaveTitle[] = "Save captured screen as";
constexpr char kSaved[] = "Screen capture file successfully created!";
constexpr char kFailed[] = "An error occured saving screen to file.";
constexpr int kFileNameControl = 1148;
// The one-second wait before the capture, and the dialog opening.
constexpr DWORD kDialogTimeoutMs = 6000;
// Encoding the screen as JPEG, and the message that follows.
constexpr DWORD kSaveTimeoutMs = 10000;
constexpr DWORD kNothingHappensMs = 1500;
constexpr wchar_t kRedClass[] = L"RedTestWindow";

std::string TempPath(const char* fileName) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + fileName;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteText(const std::string& path, const std::string& text) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

// A window filled with pure red, to be found again in the picture.
void RegisterRedClass() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kRedClass, &wc)) return;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
    wc.lpszClassName = kRedClass;
    RegisterClassExW(&wc);
}

POINT ClientCentre(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    ClientToScreen(window, &centre);
    return centre;
}

struct Picture {
    bool isJpeg;
    UINT width;
    UINT height;
    Gdiplus::ARGB pixel;  // at the point asked for
};

// Decodes the file with GDI+.
std::optional<Picture> ReadPicture(const std::string& path, POINT at) {
    const std::wstring widePath(path.begin(), path.end());
    Gdiplus::GpImage* image = nullptr;
    if (GdipLoadImageFromFile(widePath.c_str(), &image) != Gdiplus::Ok) return std::nullopt;
    Picture picture = {};
    GUID format;
    GdipGetImageRawFormat(image, &format);
    picture.isJpeg = IsEqualGUID(format, Gdiplus::ImageFormatJPEG) != FALSE;
    GdipGetImageWidth(image, &picture.width);
    GdipGetImageHeight(image, &picture.height);
    GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(image), at.x, at.y, &picture.pixel);
    GdipDisposeImage(image);
    return picture;
}

bool IsRed(Gdiplus::ARGB pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r > 200 && g < 60 && b < 60;
}

class OrvantaCapture : public ::testing::Test {
  protected:
    void SetUp() override {
        driver::DeleteSettingsKey();
        orvanta_.emplace();
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&gdiplus_, &input, nullptr);
    }
    void TearDown() override {
        Gdiplus::GdiplusShutdown(gdiplus_);
        orvanta_.reset();
        for (const std::string& path : files_) DeleteFileA(path.c_str());
        driver::DeleteSettingsKey();
    }

    // A path in the temporary folder, deleted after the test.
    std::string File(const char* name) {
        files_.push_back(TempPath(name));
        DeleteFileA(files_.back().c_str());
        return files_.back();
    }

    std::vector<HWND> SaveDialogs() { return e2e::ProcessDialogs(orvanta_->Process(), kSaveTitle); }

    HWND WaitForSaveDialog() {
        HWND dialog = nullptr;
        driver::WaitUntil(
            [&] {
                const std::vector<HWND> open = SaveDialogs();
                dialog = open.empty() ? nullptr : open.front();
                return dialog != nullptr;
            },
            kDialogTimeoutMs);
        return dialog;
    }

    // Types the path into the file name box and presses Save.
    static void Answer(HWND dialog, const std::string& path) {
        SendMessageA(GetDlgItem(dialog, kFileNameControl), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(path.c_str()));
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    }

    // Waits for the message, then closes it.
    bool MessageShownAndClosed(const char* text) {
        HWND box = nullptr;
        if (!driver::WaitUntil(
                [&] { return (box = e2e::FindMessageBox(orvanta_->Process(), text)) != nullptr; },
                kSaveTimeoutMs)) {
            return false;
        }
        e2e::PressOk(box);
        return driver::WaitUntil([&] { return !IsWindow(box); }, kSaveTimeoutMs);
    }

    void PressF8() {
        PostMessageA(orvanta_->MainWindow(), WM_HOTKEY, 103, MAKELPARAM(kHotkeyModifiers, VK_F8));
    }

    std::optional<driver::Orvanta> orvanta_;
    ULONG_PTR gdiplus_ = 0;
    std::vector<std::string> files_;
};

// The picture shows the screen a second after the key, before the dialog
// opens: a red window brought to the front just after the key shows in it.
TEST_F(OrvantaCapture, HotkeyCaptureSavesTheScreenAsJpeg) {
    RegisterRedClass();
    TestWindow red(L"Red", WS_OVERLAPPEDWINDOW, kRedClass);
    const POINT centre = ClientCentre(red.Handle());
    const std::string path = File("orvanta-capture.jpg");

    PressF8();
    driver::PumpFor(200);
    red.BringToFront();
    const HWND dialog = WaitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), orvanta_->MainWindow()) << "the hotkey owns the dialog";
    Answer(dialog, path);
    EXPECT_TRUE(MessageShownAndClosed(kSaved));

    const std::optional<Picture> picture = ReadPicture(path, centre);
    ASSERT_TRUE(picture) << "no picture at " << path;
    EXPECT_TRUE(picture->isJpeg);
    EXPECT_EQ(picture->width, static_cast<UINT>(GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(picture->height, static_cast<UINT>(GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(IsRed(picture->pixel)) << std::hex << "pixel 0x" << picture->pixel;
}

TEST_F(OrvantaCapture, CancellingTheDialogWritesNothingAndSaysNothing) {
    const std::string path = File("orvanta-cancelled.jpg");
    PressF8();
    const HWND dialog = WaitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, kFileNameControl), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(path.c_str()));
    SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }, kDialogTimeoutMs));

    driver::PumpFor(kNothingHappensMs);
    EXPECT_TRUE(e2e::ProcessDialogs(orvanta_->Process(), e2e::kMessageBoxTitle).empty());
    EXPECT_FALSE(FileExists(path));
}

// No extension is added to a name typed without one. The next capture
// proposes the whole path chosen last: Save alone replaces that file,
// without asking.
TEST_F(OrvantaCapture, NextCaptureProposesThePathChosenLast) {
    const std::string path = File("orvanta-capture-plain");
    File("orvanta-capture-plain.jpg");
    PressF8();
    HWND dialog = WaitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::ControlText(GetDlgItem(dialog, kFileNameControl)), "Captured.jpg");
    Answer(dialog, path);
    ASSERT_TRUE(MessageShownAndClosed(kSaved));
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(path + ".jpg"));

    WriteText(path, "not a picture");
    PressF8();
    dialog = WaitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::ControlText(GetDlgItem(dialog, kFileNameControl)), "orvanta-capture-plain");
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(MessageShownAndClosed(kSaved));
    const std::optional<Picture> picture = ReadPicture(path, {0, 0});
    ASSERT_TRUE(picture) << "the file was not replaced";
    EXPECT_TRUE(picture->isJpeg);
}

// A file held open without sharing cannot be replaced: the save fails.
TEST_F(OrvantaCapture, FailedSaveShowsTheErrorMessage) {
    const std::string path = File("orvanta-locked.jpg");
    const HANDLE locked = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    PressF8();
    const HWND dialog = WaitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    Answer(dialog, path);
    EXPECT_TRUE(MessageShownAndClosed(kFailed));
    CloseHandle(locked);
}

// From the menu each capture runs on a thread of its own, with no owner:
// a second capture started while the first one's dialog is open gets its
// own dialog, the program keeps answering, and each capture saves to the
// file chosen in its own dialog.
TEST_F(OrvantaCapture, MenuCapturesRunBesideTheProgramAndApart) {
    const std::string paths[] = {File("orvanta-menu-1.jpg"), File("orvanta-menu-2.jpg")};
    PostMessageA(orvanta_->MainWindow(), WM_COMMAND, kCaptureCommand, 0);
    ASSERT_NE(WaitForSaveDialog(), nullptr);
    PostMessageA(orvanta_->MainWindow(), WM_COMMAND, kCaptureCommand, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return SaveDialogs().size() == 2; }, kDialogTimeoutMs));

    DWORD_PTR result;
    EXPECT_TRUE(
        SendMessageTimeoutA(orvanta_->MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result))
        << "the main thread is free";
    const std::vector<HWND> dialogs = SaveDialogs();
    const DWORD mainThread = GetWindowThreadProcessId(orvanta_->MainWindow(), nullptr);
    const DWORD dialogThreads[] = {GetWindowThreadProcessId(dialogs[0], nullptr),
                                   GetWindowThreadProcessId(dialogs[1], nullptr)};
    EXPECT_NE(dialogThreads[0], mainThread);
    EXPECT_NE(dialogThreads[1], mainThread);
    EXPECT_NE(dialogThreads[0], dialogThreads[1]);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(GetWindow(dialogs[i], GW_OWNER), nullptr);
        Answer(dialogs[i], paths[i]);
        EXPECT_TRUE(MessageShownAndClosed(kSaved));
    }
    for (const std::string& path : paths) {
        const std::optional<Picture> picture = ReadPicture(path, {0, 0});
        ASSERT_TRUE(picture) << "no picture at " << path;
        EXPECT_TRUE(picture->isJpeg);
        EXPECT_EQ(picture->width, static_cast<UINT>(GetSystemMetrics(SM_CXSCREEN)));
    }
}

}  // namespace

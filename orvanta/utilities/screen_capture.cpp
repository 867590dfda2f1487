#include "screen_capture.h"

// GDI+'s flat interface needs <windows.h> first.
#include <windows.h>
#include <gdiplus.h>

#include <cstring>
#include <mutex>
#include <vector>

#include "program.h"
#include "program_sound.h"
#include "resource.h"

namespace utilities {
namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

constexpr DWORD kWaitBeforeCaptureMs = 1000;
constexpr DWORD kFileNameSize = 140;
constexpr ULONG kJpegQuality = 90;
constexpr char kSaveTitle[] = "Save captured screen as";
constexpr char kFileTypes[] = "*.jpg\0*.jpg\0";
constexpr char kSaved[] = "Screen capture file successfully created!";
constexpr char kFailed[] = "An error occured saving screen to file.";

// The path chosen last, proposed by the next capture. Captures from the menu
// run on threads of their own, so each works on a copy and the copies pass
// in and out under the lock.
std::mutex g_fileNameLock;
char g_lastFileName[kFileNameSize] = "Captured.jpg";

// GDI+ is started and shut down by every capture. Two captures from the
// menu take turns at encoding, since GDI+ does not promise that a start-up
// and a shutdown may overlap.
std::mutex g_encodingLock;

// The primary screen copied into a DIB section. Displays of 256 colours or
// fewer are copied at 24 bits, which needs no colour table.
class ScreenPicture {
  public:
    ScreenPicture() : display_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {
        if (display_) memory_ = CreateCompatibleDC(display_);
        if (memory_) Copy();
    }
    ~ScreenPicture() {
        if (bitmap_) DeleteObject(bitmap_);
        if (memory_) DeleteDC(memory_);
        if (display_) DeleteDC(display_);
    }
    ScreenPicture(const ScreenPicture&) = delete;
    ScreenPicture& operator=(const ScreenPicture&) = delete;

    // Whether the display and memory contexts exist. A bitmap that could not
    // be made shows up later, as a failed save.
    bool Taken() const { return memory_ != nullptr; }
    HBITMAP Bitmap() const { return bitmap_; }

  private:
    void Copy() {
        const int width = GetDeviceCaps(display_, HORZRES);
        const int height = GetDeviceCaps(display_, VERTRES);
        const int bits = GetDeviceCaps(display_, BITSPIXEL);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bits > 8 ? bits : 24);
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels;
        bitmap_ = CreateDIBSection(display_, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        if (!bitmap_) return;
        // Selected only for the copy: GDI+ wants a bitmap that no context holds.
        const HGDIOBJ previous = SelectObject(memory_, bitmap_);
        BitBlt(memory_, 0, 0, width, height, display_, 0, 0, SRCCOPY);
        SelectObject(memory_, previous);
    }

    HDC display_;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
};

// Shows the save dialog with the last chosen path; on Save, fileName holds
// the new path and becomes the one proposed next.
bool AskForFileName(HWND owner, char (&fileName)[kFileNameSize]) {
    {
        std::lock_guard<std::mutex> lock(g_fileNameLock);
        std::memcpy(fileName, g_lastFileName, kFileNameSize);
    }
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFileTypes;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = kFileNameSize;
    dialog.lpstrTitle = kSaveTitle;
    dialog.Flags = OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dialog)) return false;
    std::lock_guard<std::mutex> lock(g_fileNameLock);
    std::memcpy(g_lastFileName, fileName, kFileNameSize);
    return true;
}

// The first encoder GDI+ offers for the MIME type, in GDI+'s order.
bool FindEncoder(const wchar_t* mimeType, CLSID* encoder) {
    UINT count = 0;
    UINT size = 0;
    if (GdipGetImageEncodersSize(&count, &size) != Ok || size == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (GdipGetImageEncoders(count, size, codecs) != Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wcscmp(codecs[i].MimeType, mimeType) == 0) {
            *encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

bool SaveWithGdiplus(HBITMAP bitmap, const wchar_t* path) {
    CLSID jpegEncoder;
    if (!FindEncoder(L"image/jpeg", &jpegEncoder)) return false;
    GpBitmap* image = nullptr;
    if (GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) != Ok) return false;
    ULONG quality = kJpegQuality;
    EncoderParameters parameters = {};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = EncoderQuality;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Type = EncoderParameterValueTypeLong;
    parameters.Parameter[0].Value = &quality;
    const GpStatus status = GdipSaveImageToFile(image, path, &jpegEncoder, &parameters);
    GdipDisposeImage(image);
    return status == Ok;
}

// The path comes from the system's ANSI code page; GDI+ takes UTF-16.
bool SaveAsJpeg(HBITMAP bitmap, const char* fileName) {
    wchar_t path[kFileNameSize];
    if (!MultiByteToWideChar(CP_ACP, 0, fileName, -1, path, kFileNameSize)) return false;
    std::lock_guard<std::mutex> lock(g_encodingLock);
    GdiplusStartupInput startup;
    ULONG_PTR token;
    if (GdiplusStartup(&token, &startup, nullptr) != Ok) return false;
    const bool saved = SaveWithGdiplus(bitmap, path);
    GdiplusShutdown(token);
    return saved;
}

void Tell(HWND owner, const char* text) {
    MessageBoxA(owner, text, orvanta::kMainWindowClass, MB_ICONINFORMATION | MB_SYSTEMMODAL);
}

// A cancelled dialog ends the capture without a word.
void CaptureScreen(HWND owner) {
    Sleep(kWaitBeforeCaptureMs);
    const ScreenPicture picture;
    if (!picture.Taken()) {
        Tell(owner, kFailed);
        return;
    }
    char fileName[kFileNameSize];
    if (!AskForFileName(owner, fileName)) return;
    Tell(owner, SaveAsJpeg(picture.Bitmap(), fileName) ? kSaved : kFailed);
}

DWORD WINAPI CaptureThread(void*) {
    CaptureScreen(nullptr);
    return 0;
}

}  // namespace

void CaptureScreenOnNewThread() {
    PlayProgramSound(IDW_CAPTURE_CLICK);
    if (const HANDLE thread = CreateThread(nullptr, 0, CaptureThread, nullptr, 0, nullptr)) {
        CloseHandle(thread);
    }
}

void CaptureScreenOnThisThread(HWND owner) {
    PlayProgramSound(IDW_CAPTURE_CLICK);
    CaptureScreen(owner);
}

}  // namespace utilities

#include "caption_painter.h"

#include <string>

#include "caption_font.h"
#include "program.h"
#include "title_text.h"

namespace caption {

char g_lastExaminedClassName[kClassNameSize];

namespace {

// A hung window must not hold up the tick, and with it every other window.
constexpr UINT kTitleWriteTimeoutMs = 200;
// Large enough to compare any title we compose with the title as it stands.
constexpr int kCompareReadBuffer = 512;

constexpr COLORREF kDarkShadow = RGB(34, 34, 34);
constexpr COLORREF kLightShadow = RGB(176, 176, 176);
constexpr int kCaptionButtonsBeside = 3;
constexpr int kClockGap = 10;
constexpr UINT kTextOptions = ETO_OPAQUE | ETO_CLIPPED;

// The foreground window, asked twice: a window that is changing places is
// left alone this tick.
HWND SteadyForegroundWindow() {
    const HWND first = GetForegroundWindow();
    const HWND second = GetForegroundWindow();
    return first && first == second ? second : nullptr;
}

// Main windows that can be maximised; message boxes and dialogs cannot.
bool CanCarryClock(HWND window) {
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    return (exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE)) != 0 && (style & WS_MAXIMIZEBOX) != 0;
}

bool IsDisallowed(const char* className) {
    const auto& s = orvanta::g_settings;
    for (const char* name : {s.AppName1, s.AppName2, s.AppName3, s.AppName4}) {
        if (name[0] != '\0' && lstrcmpA(className, name) == 0) return true;
    }
    return false;
}

std::u16string ReadTitle(HWND window, int bufferUnits) {
    wchar_t buffer[kCompareReadBuffer];
    const int length = GetWindowTextW(window, buffer, bufferUnits);
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length > 0 ? length : 0);
}

void WriteTitle(HWND window, const std::u16string& title) {
    DWORD_PTR result;
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()),
                        SMTO_ABORTIFHUNG, kTitleWriteTimeoutMs, &result);
}

// The clock string is single-byte text in its language's code page.
std::u16string WideClockString() {
    wchar_t wide[clocktext::kClockStringSize];
    const int written =
        MultiByteToWideChar(orvanta::g_language.CodePage(), 0, orvanta::g_clockString, -1, wide,
                            clocktext::kClockStringSize);
    return std::u16string(reinterpret_cast<const char16_t*>(wide), written > 0 ? written - 1 : 0);
}

void StampClockIntoTitle() {
    const HWND first = GetForegroundWindow();
    const HWND window = GetForegroundWindow();
    if (!first || !window || !CanCarryClock(window)) return;
    const std::u16string stamped =
        StampTitle(ReadTitle(window, kStampReadBuffer), WideClockString());
    // Rewriting an unchanged title would only make the window repaint its caption.
    if (stamped != ReadTitle(window, kCompareReadBuffer)) WriteTitle(window, stamped);
}

void RemoveGlassStamp(HWND window) {
    if (auto unstamped = RemoveStamp(ReadTitle(window, kUnstampReadBuffer))) {
        WriteTitle(window, *unstamped);
    }
}

void MakeRoomInLongTitle(HWND window) {
    if (auto shortened = ShortenLongTitle(ReadTitle(window, kShortenReadBuffer))) {
        WriteTitle(window, *shortened);
    }
}

bool ShadowColor(COLORREF* color) {
    switch (orvanta::g_settings.Shadval) {
        case 0:
            *color = kDarkShadow;
            return true;
        case 1:
            *color = kLightShadow;
            return true;
        case 2:
            return false;
        default:
            *color = orvanta::g_settings.TColor;
            return true;
    }
}

// The clock is drawn into a bitmap over a background stretched from the
// caption column just right of it, then copied onto the window's caption.
void DrawClockBitmap(HWND mainWindow, HWND window) {
    const std::u16string clock = WideClockString();
    const auto* text = reinterpret_cast<const wchar_t*>(clock.c_str());
    const int length = static_cast<int>(clock.size());
    auto& s = orvanta::g_settings;

    const HDC mainDc = GetWindowDC(mainWindow);
    const HDC memoryDc = CreateCompatibleDC(mainDc);
    const HFONT font = CreateFontIndirectA(&g_captionClockFont);
    const HGDIOBJ oldFont = SelectObject(memoryDc, font);
    SIZE size = {};
    GetTextExtentPoint32W(memoryDc, text, length, &size);
    const HBITMAP bitmap = CreateCompatibleBitmap(mainDc, size.cx, size.cy);
    ReleaseDC(mainWindow, mainDc);
    const HGDIOBJ oldBitmap = SelectObject(memoryDc, bitmap);

    s.BColor = GetSysColor(COLOR_ACTIVECAPTION);
    s.TColor = GetSysColor(COLOR_CAPTIONTEXT);
    SetBkColor(memoryDc, s.BColor);
    SetTextColor(memoryDc, s.TColor);

    RECT client;
    GetClientRect(window, &client);
    const int right =
        client.right - (kCaptionButtonsBeside * GetSystemMetrics(SM_CXSIZE) + kClockGap) - s.XPlace;
    const int top = GetSystemMetrics(SM_CYFRAME) +
                    (GetSystemMetrics(SM_CYCAPTION) + 1 - size.cy) / 2 - s.YPlace;

    const HDC windowDc = GetWindowDC(window);
    StretchBlt(memoryDc, 0, 0, size.cx, size.cy, windowDc, right, top, 1, size.cy, SRCCOPY);
    SetBkMode(memoryDc, TRANSPARENT);
    COLORREF shadow;
    if (ShadowColor(&shadow)) {
        SetTextColor(memoryDc, shadow);
        ExtTextOutW(memoryDc, 1, 1, kTextOptions, nullptr, text, length, nullptr);
        SetTextColor(memoryDc, s.TColor);
    }
    ExtTextOutW(memoryDc, 0, 0, kTextOptions, nullptr, text, length, nullptr);
    BitBlt(windowDc, right - size.cx, top, size.cx, size.cy, memoryDc, 0, 0, SRCCOPY);
    SetBkMode(memoryDc, OPAQUE);
    ReleaseDC(window, windowDc);

    SelectObject(memoryDc, oldBitmap);
    DeleteObject(bitmap);
    SelectObject(memoryDc, oldFont);
    DeleteObject(font);
    DeleteDC(memoryDc);
}

void DrawClockOnCaption(HWND mainWindow, HWND window) {
    RemoveGlassStamp(window);
    MakeRoomInLongTitle(window);
    DrawClockBitmap(mainWindow, window);
}

}  // namespace

void PaintCaption(HWND mainWindow) {
    const HWND window = SteadyForegroundWindow();
    if (!window || !CanCarryClock(window)) return;
    ZeroMemory(g_lastExaminedClassName, sizeof g_lastExaminedClassName);
    GetClassNameA(window, g_lastExaminedClassName, kClassNameSize);
    if (IsDisallowed(g_lastExaminedClassName)) return;
    if (orvanta::g_settings.VistaAero == 1) {
        StampClockIntoTitle();
    } else {
        DrawClockOnCaption(mainWindow, window);
    }
}

}  // namespace caption

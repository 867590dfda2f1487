#include "info_dialogs.h"

#include <shellapi.h>

#include "dialog_guard.h"
#include "dialog_look.h"
#include "program.h"
#include "resource.h"

namespace orvanta {
namespace {

constexpr char kMakerName[] = "Orvanta Labs";
constexpr char kMakerAddress[] = "https://orvanta.example/";
constexpr int kLinkLeft = 30;
constexpr int kLinkAboveBottom = 35;
constexpr int kLinkWidth = 111;
constexpr int kLinkHeight = 20;
constexpr int kLinkFontHeight = -12;

HWND g_link;
HFONT g_linkFont;

// The maker's name, underlined, opening the maker's web address when clicked.
void CreateLink(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    g_link = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, kLinkLeft,
                             client.bottom - kLinkAboveBottom, kLinkWidth, kLinkHeight, dialog,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    g_linkFont =
        CreateFontA(kLinkFontHeight, 0, 0, 0, 0, FALSE, TRUE, FALSE, 0, 0, 0, 0, 0, nullptr);
    SendMessageA(g_link, WM_SETFONT, reinterpret_cast<WPARAM>(g_linkFont), FALSE);
    SetWindowTextA(g_link, kMakerName);
}

void OnAboutInit(HWND dialog) {
    OpenDialogWithoutTransparencyControls(dialog);
    SetWindowTextA(dialog, kMainWindowClass);
    CreateLink(dialog);
    SetFocus(dialog);
}

void OnAboutClose(HWND dialog) {
    g_dialogGuard.Release();
    DestroyWindow(dialog);
    DeleteObject(g_linkFont);
    g_link = nullptr;
    g_linkFont = nullptr;
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnAboutInit(dialog);
            return 0;
        case WM_SETCURSOR:
            // The hand shows over the link only.
            if (reinterpret_cast<HWND>(wParam) != g_link) return 0;
            SetCursor(LoadCursorA(nullptr, IDC_HAND));
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_INFO_CLOSE) {
                SendMessageA(dialog, WM_CLOSE, 0, 0);
            } else if (lParam != 0 && reinterpret_cast<HWND>(lParam) == g_link) {
                ShellExecuteA(nullptr, nullptr, kMakerAddress, nullptr, nullptr, SW_SHOWDEFAULT);
            }
            return 0;
        case WM_CLOSE:
            OnAboutClose(dialog);
            return 0;
        default:
            return 0;
    }
}

INT_PTR CALLBACK HotkeyListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OpenDialogWithoutTransparencyControls(dialog);
            SetFocus(dialog);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_INFO_CLOSE) SendMessageA(dialog, WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            g_hotkeyListGuard.Release();
            DestroyWindow(dialog);
            return 0;
        default:
            return 0;
    }
}

}  // namespace

HWND OpenAboutBox(HWND mainWindow) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), "ORVPROABOUT", mainWindow, AboutBoxProc,
                              0);
}

HWND OpenHotkeyList(HWND mainWindow) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), "HOTKEYLIST", mainWindow, HotkeyListProc,
                              0);
}

}  // namespace orvanta

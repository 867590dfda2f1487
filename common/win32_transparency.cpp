#include "win32_transparency.h"

#include <commctrl.h>

namespace transparency {
namespace {

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Pixels of exactly this colour become holes while the dialog is translucent.
constexpr COLORREF kColourKey = RGB(1, 0, 0);

SetLayeredWindowAttributesFn FindSetLayeredWindowAttributes() {
    const HMODULE user32 = GetModuleHandleA("User32.dll");
    if (!user32) return nullptr;
    const FARPROC proc = GetProcAddress(user32, "SetLayeredWindowAttributes");
    return reinterpret_cast<SetLayeredWindowAttributesFn>(reinterpret_cast<void*>(proc));
}

// Keys and page clicks leave the new opacity in the trackbar's position, a
// drag carries it in the message; Home, End and the end of a drag keep it.
bool ScrollChangesTrack(int code) {
    return code == TB_LINEUP || code == TB_LINEDOWN || code == TB_PAGEUP || code == TB_PAGEDOWN ||
           code == TB_THUMBTRACK;
}

}  // namespace

void Apply(HWND window, const Pair& pair) {
    const SetLayeredWindowAttributesFn setAttributes = FindSetLayeredWindowAttributes();
    if (!setAttributes) return;
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (IsTranslucent(pair)) {
        setAttributes(window, kColourKey, static_cast<BYTE>(ClampTrack(pair.Track)),
                      LWA_COLORKEY | LWA_ALPHA);
    } else {
        setAttributes(window, 0, 255, LWA_ALPHA);
    }
}

void OpenWithoutControls(HWND dialog, const PairStore& store) {
    ReadPair(store);
    Apply(dialog, *store.pair);
}

void DialogControls::Open(HWND dialog) {
    OpenWithoutControls(dialog, store_);
    const HWND trackbar = GetDlgItem(dialog, trackbarId_);
    SendMessageA(trackbar, TBM_SETRANGEMIN, FALSE, kMinTrack);
    SendMessageA(trackbar, TBM_SETRANGEMAX, FALSE, kMaxTrack);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, store_.pair->Track);
    CheckDlgButton(dialog, checkBoxId_, IsTranslucent(*store_.pair) ? BST_CHECKED : BST_UNCHECKED);
}

void DialogControls::OnCheckBoxClicked(HWND dialog) {
    store_.pair->Trans = IsDlgButtonChecked(dialog, checkBoxId_) == BST_CHECKED ? 1 : 0;
    Apply(dialog, *store_.pair);
    WritePair(store_);
}

void DialogControls::OnScroll(HWND dialog, WPARAM wParam, LPARAM lParam) {
    const HWND trackbar = GetDlgItem(dialog, trackbarId_);
    if (reinterpret_cast<HWND>(lParam) != trackbar) return;
    const int code = LOWORD(wParam);
    if (ScrollChangesTrack(code)) {
        const uint32_t position =
            code == TB_THUMBTRACK ? HIWORD(wParam)
                                  : static_cast<uint32_t>(SendMessageA(trackbar, TBM_GETPOS, 0, 0));
        store_.pair->Track = ClampTrack(position);
        SendMessageA(trackbar, TBM_SETPOS, TRUE, store_.pair->Track);
    }
    Apply(dialog, *store_.pair);
    WritePair(store_);
}

}  // namespace transparency

// Winsock 2 must come before the <windows.h> that the dialog's header brings.
#include <winsock2.h>

#include "sync_dialog.h"

#include <atomic>
#include <memory>

#include "horalink_ids.h"
#include "horalink_settings.h"
#include "server_list.h"
#include "settings_key.h"
#include "sync_attempt.h"
#include "texts.h"
#include "win32_registry.h"
#include "win32_transparency.h"

namespace horalink {
namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriodMs = 1000;
// Host names are at most this long, with their NUL.
constexpr int kHostNameSize = 128;

// Read by the worker's status report; set while the dialog is open.
std::atomic<HWND> g_dialog{nullptr};

struct SyncDialog {
    reg::Win32Registry registry{HKEY_CURRENT_USER, settings::kSettingsKeyPath, kSettingsKeyClass};
    HoralinkSettings settings = DefaultHoralinkSettings();
    // Every change stores the server index, Trans and Track together.
    transparency::PairStore store = HoralinkPairStore(registry, settings);
    transparency::DialogControls transparency{store, IDC_TRANSLUCENT, IDC_OPACITY};
    std::shared_ptr<SyncAttempt> attempt;  // the latest; null until the first
    WSADATA winsock;
};

void FillServerList(HWND dialog, int32_t selected) {
    for (const char* server : kServers) {
        SendDlgItemMessageA(dialog, IDC_SERVERS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(server));
    }
    // An index outside the list selects nothing.
    SendDlgItemMessageA(dialog, IDC_SERVERS, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void ShowTimeAndDate(HWND dialog) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[128];
    if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, text, 128)) {
        SetDlgItemTextW(dialog, IDC_TIME, text);
    }
    if (GetDateFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, text, 128)) {
        SetDlgItemTextW(dialog, IDC_DATE, text);
    }
}

// The selected entry's text; empty when nothing is selected or the entry is
// too long to be a host name.
void SelectedServer(HWND dialog, char* host) {
    host[0] = '\0';
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_SERVERS, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const LRESULT length = SendDlgItemMessageA(dialog, IDC_SERVERS, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length >= kHostNameSize) return;
    SendDlgItemMessageA(dialog, IDC_SERVERS, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(host));
}

void ReportOutcome(SyncOutcome outcome) {
    StatusReport(outcome == SyncOutcome::Synchronised ? kSyncSucceeded : kSyncFailed);
}

void FocusServerList(HWND dialog) {
    SetFocus(GetDlgItem(dialog, IDC_SERVERS));
}

BOOL OnInitDialog(HWND dialog, SyncDialog& state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    g_dialog = dialog;
    state.transparency.Open(dialog);
    SetClassLongPtrW(dialog, GCLP_HICON,
                     reinterpret_cast<LONG_PTR>(
                         LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CLOCK))));
    FillServerList(dialog, state.settings.NISTidx);
    WSAStartup(MAKEWORD(2, 2), &state.winsock);
    SetTimer(dialog, kClockTimer, kClockPeriodMs, nullptr);
    FocusServerList(dialog);
    return FALSE;  // the focus is set
}

void OnSyncNow(HWND dialog, SyncDialog& state) {
    SetWindowTextW(dialog, kCaptionWhileSyncing);
    EnableWindow(GetDlgItem(dialog, IDC_SYNC_NOW), FALSE);
    state.settings.NISTidx =
        static_cast<int32_t>(SendDlgItemMessageA(dialog, IDC_SERVERS, CB_GETCURSEL, 0, 0));
    transparency::WritePair(state.store);

    char host[kHostNameSize];
    SelectedServer(dialog, host);
    const std::optional<sockaddr_in> server = ResolveServer(host);
    if (server) {
        state.attempt = SyncAttempt::Start(*server, &ReportOutcome);
    } else {
        StatusReport(kServerUnavailable);
    }
    FocusServerList(dialog);
}

void OnCancelSync(HWND dialog, SyncDialog& state) {
    if (state.attempt) state.attempt->Cancel();
    // Said even when the last attempt had already ended.
    StatusReport(state.attempt ? kSyncCancelled : kNothingToCancel);
    FocusServerList(dialog);
}

void OnClose(HWND dialog, SyncDialog& state) {
    // A running worker must not report to a dialog that is gone.
    if (state.attempt) state.attempt->Cancel();
    state.attempt.reset();
    g_dialog = nullptr;
    WSACleanup();
    KillTimer(dialog, kClockTimer);
    EndDialog(dialog, 0);
}

void OnCommand(HWND dialog, SyncDialog& state, int id, int code) {
    switch (id) {
        case IDC_SYNC_NOW:
            OnSyncNow(dialog, state);
            break;
        case IDC_CANCEL_SYNC:
            OnCancelSync(dialog, state);
            break;
        case IDC_CLOSE:
            SendMessageW(dialog, WM_CLOSE, 0, 0);
            break;
        case IDC_TRANSLUCENT:
            if (code == BN_CLICKED) state.transparency.OnCheckBoxClicked(dialog);
            break;
    }
}

INT_PTR CALLBACK SyncDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return OnInitDialog(dialog, *reinterpret_cast<SyncDialog*>(lParam));
    }
    auto* state = reinterpret_cast<SyncDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!state) return FALSE;
    switch (message) {
        case WM_TIMER:
            ShowTimeAndDate(dialog);
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_VSCROLL:
            state->transparency.OnScroll(dialog, wParam, lParam);
            return TRUE;
        case WM_CLOSE:
            OnClose(dialog, *state);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR RunSyncDialog(HINSTANCE instance) {
    SyncDialog state;
    return DialogBoxParamW(instance, L"HORALINK", nullptr, &SyncDialogProc,
                           reinterpret_cast<LPARAM>(&state));
}

int StatusReport(const wchar_t* text) {
    const HWND dialog = g_dialog;
    if (!dialog) return 0;
    SetWindowTextW(dialog, kCaption);
    EnableWindow(GetDlgItem(dialog, IDC_SYNC_NOW), TRUE);
    return MessageBoxW(dialog, text, kCaption, MB_ICONINFORMATION | MB_SYSTEMMODAL);
}

}  // namespace horalink

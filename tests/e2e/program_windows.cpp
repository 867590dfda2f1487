#include "program_windows.h"

namespace e2e {
namespace {

constexpr char kDialogClass[] = "#32770";

struct DialogSearch {
    DWORD processId;
    std::string title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32];
    if (owner == search->processId && IsWindowVisible(window) &&
        GetClassNameA(window, className, sizeof className) &&
        std::string(className) == kDialogClass && ControlText(window) == search->title) {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK FindStaticText(HWND child, LPARAM param) {
    char className[32];
    if (GetClassNameA(child, className, sizeof className) && _stricmp(className, "Static") == 0) {
        const std::string text = ControlText(child);
        if (!text.empty()) {
            *reinterpret_cast<std::string*>(param) = text;
            return FALSE;
        }
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> ProcessDialogs(HANDLE process, const char* title) {
    DialogSearch search{GetProcessId(process), title, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, FindStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

HWND FindMessageBox(HANDLE process, const std::string& text) {
    for (HWND box : ProcessDialogs(process, kMessageBoxTitle)) {
        if (MessageBoxText(box) == text) return box;
    }
    return nullptr;
}

std::string ControlText(HWND control) {
    char text[512] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &length)) {
        return {};
    }
    return std::string(text, length < sizeof text ? length : 0);
}

void PressOk(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace e2e

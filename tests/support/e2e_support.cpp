#include "e2e_support.h"

#include <vector>

namespace {

constexpr DWORD kWindowTimeoutMs = 10000;
constexpr UINT kSendTimeoutMs = 2000;
constexpr char kSettingsKey[] = "Software\\OrvPro\\Settings";

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

struct Search {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    HWND except;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || window == search->except) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    if (search->className && ClassName(window) != search->className) return TRUE;
    if (search->title && WindowText(window) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

}  // namespace

RunningProgram::RunningProgram(const wchar_t* exeName, const wchar_t* awaitedTitle) {
    std::wstring path = BesideThisProgram(exeName);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        process_ = {};
        return;
    }
    if (!awaitedTitle) return;
    WaitFor(
        [&] {
            window_ = FindTopWindow(Id(), nullptr, awaitedTitle);
            return window_ != nullptr;
        },
        kWindowTimeoutMs);
}

RunningProgram::~RunningProgram() {
    if (!Started()) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kWindowTimeoutMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeoutMs) {
    if (!Started()) return std::nullopt;
    const bool ended = WaitFor(
        [&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (!ended) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

HWND FindTopWindow(DWORD processId, const wchar_t* className, const wchar_t* title, HWND except) {
    Search search = {processId, className, title, except, false, nullptr};
    EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindVisibleWindow(DWORD processId, HWND except) {
    Search search = {processId, nullptr, nullptr, except, true, nullptr};
    EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForMessageBox(DWORD processId, HWND except, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitFor(
        [&] {
            box = FindVisibleWindow(processId, except);
            return box != nullptr && ClassName(box) == L"#32770" && !MessageBoxText(box).empty();
        },
        timeoutMs);
    return box;
}

std::wstring MessageBoxText(HWND box) {
    std::vector<HWND> children;
    EnumChildWindows(box, &CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (ClassName(child) != L"Static") continue;
        const std::wstring text = WindowText(child);
        if (!text.empty()) return text;
    }
    return L"";
}

void AnswerOk(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
        return L"";
    }
    return std::wstring(text, copied);
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length);
}

void PostClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void DeleteSettingsKey() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

void StoreSetting(const char* name, DWORD value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void DeleteSetting(const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return;
    }
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

std::optional<DWORD> StoredSetting(const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    const LONG rc =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return std::nullopt;
    return value;
}

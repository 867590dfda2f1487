#include "program_driver.h"

#include <tlhelp32.h>

namespace driver {
namespace {

constexpr char kSettingsKey[] = "Software\\OrvPro\\Settings";
constexpr DWORD kStartTimeoutMs = 10000;
constexpr DWORD kExitTimeoutMs = 5000;
constexpr DWORD kCloseTimeoutMs = 5000;
constexpr UINT kSendTimeoutMs = 2000;
// The message box's text control, on Windows as in Wine.
constexpr int kMessageBoxTextId = 0xFFFF;

HKEY OpenSettingsForWrite() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    return key;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void RegisterTestClass(const wchar_t* className) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &wc)) return;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    HWND except;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || window == search->except) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    if (search->className && ClassName(window) != search->className) return TRUE;
    if (search->title && WindowText(window) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindWindowOf(WindowSearch search) {
    EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::string BesideThisProgram(const char* fileName) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + fileName;
}

void DeleteSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
}

void SetDword(const char* name, DWORD value) {
    const HKEY key = OpenSettingsForWrite();
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void SetString(const char* name, const std::string& text) {
    const HKEY key = OpenSettingsForWrite();
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void DeleteValue(const char* name) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey, name);
}

std::optional<DWORD> GetDword(const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    // Also refuses a REG_DWORD of another size.
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::vector<DWORD> CaptureScreen(const RECT& r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

void PumpFor(DWORD durationMs) {
    WaitUntil([] { return false; }, durationMs);
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

std::vector<HWND> VisibleDialogs(const char* caption) {
    std::vector<HWND> found;
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", caption); w;
         w = FindWindowExA(nullptr, w, "#32770", caption)) {
        if (IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

HWND FindTopWindow(DWORD processId, const wchar_t* className, const wchar_t* title, HWND except) {
    return FindWindowOf({processId, className, title, except, false, nullptr});
}

HWND FindVisibleWindow(DWORD processId, HWND except) {
    return FindWindowOf({processId, nullptr, nullptr, except, true, nullptr});
}

HWND WaitForMessageBox(DWORD processId, HWND except, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindVisibleWindow(processId, except);
            return box != nullptr && ClassName(box) == L"#32770" && !MessageBoxText(box).empty();
        },
        timeoutMs);
    return box;
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, kMessageBoxTextId));
}

bool AnswerOk(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(box); }, kCloseTimeoutMs);
}

void PostClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

DWORD FindProcess(const char* fileName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && !found;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, fileName) == 0) found = entry.th32ProcessID;
    }
    CloseHandle(snapshot);
    return found;
}

Program::Program(const std::string& path) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::vector<char> commandLine(path.begin(), path.end());
    commandLine.push_back('\0');
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

Program::Program(DWORD processId)
    : process_(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE,
                           processId)),
      id_(process_ ? processId : 0) {}

Program::~Program() {
    if (!process_) return;
    if (!HasExited()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kExitTimeoutMs);
    }
    CloseHandle(process_);
}

bool Program::HasExited(DWORD waitMs) const {
    return process_ && WaitForSingleObject(process_, waitMs) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) const {
    if (!WaitUntil([this] { return HasExited(); }, timeoutMs)) return std::nullopt;
    return ExitCode();
}

Orvanta::Orvanta() : Program(BesideThisProgram("Orvanta.exe")) {
    WaitUntil([this] { return MainWindow() != nullptr || HasExited(); }, kStartTimeoutMs);
}

bool Orvanta::Exit() {
    const HWND window = MainWindow();
    if (!window) return false;
    PostMessageA(window, WM_COMMAND, kExitCommand, 0);
    return WaitForExit(kExitTimeoutMs).has_value();
}

TestWindow::TestWindow(const std::wstring& title, DWORD style, const wchar_t* className) {
    RegisterTestClass(className);
    window_ = CreateWindowExW(0, className, title.c_str(), style, 100, 100, 640, 400, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    if (window_) DestroyWindow(window_);
    PumpMessages();
}

void TestWindow::BringToFront() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    WaitUntil([this] { return GetForegroundWindow() == window_; }, 2000);
}

std::wstring TestWindow::Title() const {
    wchar_t buffer[1024];
    const int length = GetWindowTextW(window_, buffer, 1024);
    return std::wstring(buffer, length > 0 ? length : 0);
}

void TestWindow::SetTitle(const std::wstring& title) {
    SetWindowTextW(window_, title.c_str());
}

}  // namespace driver

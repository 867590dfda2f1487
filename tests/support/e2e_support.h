// What end-to-end tests need to drive the real programs the way Windows
// does: start them, find their windows, read texts across processes, wait
// with a deadline while pumping the test's own messages, and read and reset
// the settings key.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Polls until done() holds or the deadline passes, pumping the calling
// thread's messages meanwhile. True when done() held.
template <class Condition>
bool WaitFor(Condition done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// A program from the test's own folder, ended when the object goes.
class RunningProgram {
  public:
    // With a title, waits until a top-level window of the program has it.
    explicit RunningProgram(const wchar_t* exeName, const wchar_t* awaitedTitle = nullptr);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD Id() const { return process_.dwProcessId; }
    // The awaited window; null when it did not come.
    HWND Window() const { return window_; }
    // The exit code once the program has ended, nothing at the deadline.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);

  private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

// A top-level window of the process with this class and title, each only if
// given; `except` is skipped. Null when there is none.
HWND FindTopWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr,
                   HWND except = nullptr);

// A visible top-level window of the process other than `except`.
HWND FindVisibleWindow(DWORD processId, HWND except = nullptr);

// A message box of the process other than `except`, waited for until it
// shows its text.
HWND WaitForMessageBox(DWORD processId, HWND except, DWORD timeoutMs);
// The box's message (the text of its text control).
std::wstring MessageBoxText(HWND box);
void AnswerOk(HWND box);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// A button click that returns at once, for buttons whose handler opens a
// modal message box.
void PostClick(HWND button);

// The settings key both programs share.
void DeleteSettingsKey();
void StoreSetting(const char* name, DWORD value);
void DeleteSetting(const char* name);
std::optional<DWORD> StoredSetting(const char* name);

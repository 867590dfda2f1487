// Drives the real programs the way Windows does, for end-to-end tests and
// benchmarks: the settings key both programs share, processes, their windows
// and texts read across processes, test windows, and waits that keep the
// caller's messages flowing.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace driver {

constexpr char kOrvantaClass[] = "Orvanta Pro 7.2";
// Orvanta's menu commands.
constexpr WORD kExitCommand = 1010;
constexpr WORD kRunHoralinkCommand = 1270;

// Full path of a program built beside the running test.
std::string BesideThisProgram(const char* fileName);

// The settings key.
void DeleteSettingsKey();
void SetDword(const char* name, DWORD value);
void SetString(const char* name, const std::string& text);  // written with its NUL
void DeleteValue(const char* name);
// Only a REG_DWORD of four bytes counts.
std::optional<DWORD> GetDword(const char* name);

// Pumps this thread's messages until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// A screen rectangle as 32-bit pixels (0x00RRGGBB), row by row from the top.
std::vector<DWORD> CaptureScreen(const RECT& r);

// Pumps this thread's messages for a fixed time: for checking that
// something does not happen.
void PumpFor(DWORD durationMs);

// Window texts through WM_GETTEXT in its W form, which reaches another
// process's controls and keeps Chinese and Greek letters.
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// The visible dialog windows (message boxes among them) with this caption.
std::vector<HWND> VisibleDialogs(const char* caption);
// A top-level window of the process with this class and title, each only if
// given; `except` is skipped. Null when there is none.
HWND FindTopWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr,
                   HWND except = nullptr);
// A visible top-level window of the process other than `except`.
HWND FindVisibleWindow(DWORD processId, HWND except = nullptr);

// A message box of the process other than `except`, waited for until it
// shows its text. At the deadline, whatever other visible window the process
// has, so that a check for no box catches any window; null when there is none.
HWND WaitForMessageBox(DWORD processId, HWND except, DWORD timeoutMs);
// The box's message, the text of its text control.
std::wstring MessageBoxText(HWND box);
// Answers the box with OK; true once it has closed.
bool AnswerOk(HWND box);

// A button click that returns at once, for buttons whose handler opens a
// modal message box.
void PostClick(HWND button);

// The id of a running process of this program file (a name without folder);
// 0 when there is none.
DWORD FindProcess(const char* fileName);

// A program under the test's control. Ending the object ends the program by
// force if it is still running.
class Program {
  public:
    // Starts the program at this path.
    explicit Program(const std::string& path);
    // Takes charge of a process already running, such as one that another
    // program started.
    explicit Program(DWORD processId);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool HasExited(DWORD waitMs = 0) const;
    DWORD ExitCode() const;
    // Pumps this thread's messages until the program ends: its exit code, or
    // nothing at the deadline.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    HANDLE Process() const { return process_; }

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Starts Orvanta.exe and waits for its main window.
class Orvanta : public Program {
  public:
    Orvanta();
    HWND MainWindow() const { return FindWindowA(kOrvantaClass, nullptr); }
    // Sends the exit command and waits for the process to end.
    bool Exit();
};

// A top-level window of the test, on the calling thread.
class TestWindow {
  public:
    explicit TestWindow(const std::wstring& title, DWORD style = WS_OVERLAPPEDWINDOW,
                        const wchar_t* className = L"OrvantaTestWindow");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }
    // Shows the window and makes it the foreground window.
    void BringToFront();
    std::wstring Title() const;
    void SetTitle(const std::wstring& title);

  private:
    HWND window_ = nullptr;
};

}  // namespace driver

// Drives the real programs the way Windows does, for end-to-end tests and
// benchmarks: the settings key, processes, test windows, waits that keep the
// caller's messages flowing.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace driver {

constexpr char kOrvantaClass[] = "Orvanta Pro 7.2";
constexpr WORD kExitCommand = 1010;

// Full path of a program built beside the running test.
std::string BesideThisProgram(const char* fileName);

// The settings key.
void DeleteSettingsKey();
void SetDword(const char* name, DWORD value);
void SetString(const char* name, const std::string& text);  // written with its NUL
std::optional<DWORD> GetDword(const char* name);

// Pumps this thread's messages until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// A screen rectangle as 32-bit pixels (0x00RRGGBB), row by row from the top.
std::vector<DWORD> CaptureScreen(const RECT& r);

// Pumps this thread's messages for a fixed time: for checking that
// something does not happen.
void PumpFor(DWORD durationMs);

// A started program. Ending the object ends the program: by the exit
// command when its main window is found, otherwise by force.
class Program {
  public:
    explicit Program(const std::string& path);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return process_ != nullptr; }
    bool HasExited(DWORD waitMs = 0) const;
    DWORD ExitCode() const;
    HANDLE Process() const { return process_; }

  private:
    HANDLE process_ = nullptr;
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

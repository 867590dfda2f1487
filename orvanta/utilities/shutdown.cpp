#include "shutdown.h"

namespace utilities {
namespace {

// Shut down, closing programs without asking them, and power off.
constexpr UINT kShutdownFlags = EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF;

}  // namespace

void EnableShutdownPrivilege() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA("", SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        TOKEN_PRIVILEGES previous;
        DWORD previousLength = sizeof previous;
        AdjustTokenPrivileges(token, FALSE, &privileges, sizeof previous, &previous,
                              &previousLength);
    }
    CloseHandle(token);
}

// Whether Windows agrees is not looked at: the program ends either way.
void ShutDownNow() {
    EnableShutdownPrivilege();
    ExitWindowsEx(kShutdownFlags, 0);
    ExitProcess(0);
}

}  // namespace utilities

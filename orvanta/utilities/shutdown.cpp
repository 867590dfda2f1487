#include "shutdown.h"

#include "win32_privilege.h"

namespace utilities {
namespace {

// Shut down, closing programs without asking them, and power off.
constexpr UINT kShutdownFlags = EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF;

}  // namespace

// Whether Windows agrees is not looked at: the program ends either way.
void ShutDownNow() {
    privilege::Enable(SE_SHUTDOWN_NAME);
    ExitWindowsEx(kShutdownFlags, 0);
    ExitProcess(0);
}

}  // namespace utilities

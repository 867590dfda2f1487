// The part of the shutdown that can run inside a test: the privilege that
// Windows asks for before it shuts down. The shutdown itself ends every
// process of the session and is tested in a Wine prefix of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include "shutdown.h"

namespace {

bool ShutdownPrivilegeEnabled() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    PRIVILEGE_SET wanted = {};
    wanted.PrivilegeCount = 1;
    wanted.Control = PRIVILEGE_SET_ALL_NECESSARY;
    LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &wanted.Privilege[0].Luid);
    BOOL enabled = FALSE;
    PrivilegeCheck(token, &wanted, &enabled);
    CloseHandle(token);
    return enabled != FALSE;
}

TEST(Shutdown, EnablesTheShutdownPrivilege) {
    ASSERT_FALSE(ShutdownPrivilegeEnabled()) << "a new process starts without it";
    utilities::EnableShutdownPrivilege();
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}  // namespace

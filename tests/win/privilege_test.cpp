// Switching on the privileges that shutting down and setting the clock need.
// The shutdown itself ends every process of the session and is tested in a
// Wine prefix of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32_privilege.h"

namespace {

bool PrivilegeEnabled(const char* name) {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    PRIVILEGE_SET wanted = {};
    wanted.PrivilegeCount = 1;
    wanted.Control = PRIVILEGE_SET_ALL_NECESSARY;
    LookupPrivilegeValueA(nullptr, name, &wanted.Privilege[0].Luid);
    BOOL enabled = FALSE;
    PrivilegeCheck(token, &wanted, &enabled);
    CloseHandle(token);
    return enabled != FALSE;
}

// The clock privilege is covered by the sync worker's tests, which set the
// clock in this same process.
TEST(Privilege, EnablesTheNamedPrivilege) {
    ASSERT_FALSE(PrivilegeEnabled(SE_SHUTDOWN_NAME)) << "a new process starts without it";
    privilege::Enable(SE_SHUTDOWN_NAME);
    EXPECT_TRUE(PrivilegeEnabled(SE_SHUTDOWN_NAME));
}

}  // namespace

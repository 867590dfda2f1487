// The Win32 readings behind the clock text.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32_system_figures.h"

namespace {

TEST(Win32SystemFigures, ReadsTheLocalClock) {
    clocktext::Win32SystemFigures figures;
    SYSTEMTIME before;
    GetLocalTime(&before);
    const clocktext::LocalTime now = figures.LocalNow();
    EXPECT_EQ(now.year, before.wYear);
    EXPECT_EQ(now.month, before.wMonth);
    EXPECT_EQ(now.dayOfWeek, before.wDayOfWeek);
}

TEST(Win32SystemFigures, ReportsMemoryAndDiskFigures) {
    clocktext::Win32SystemFigures figures;
    EXPECT_GT(figures.AvailablePhysicalMemory(), 0u);
    EXPECT_GT(figures.FreeBytesOnDrive("C:\\"), 0u);
}

// A drive letter with no drive behind it reads as 0 free bytes, and the
// caller's error mode is left as it was.
TEST(Win32SystemFigures, MissingDriveGivesZeroAndKeepsTheErrorMode) {
    clocktext::Win32SystemFigures figures;
    char root[] = "H:\\";
    for (char letter = 'H'; letter >= 'D'; --letter) {
        root[0] = letter;
        if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) break;
    }
    ASSERT_EQ(GetDriveTypeA(root), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
    EXPECT_EQ(figures.FreeBytesOnDrive(root), 0u);
    EXPECT_EQ(SetErrorMode(before), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
}

}  // namespace

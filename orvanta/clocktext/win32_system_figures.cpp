#include "win32_system_figures.h"

#include <windows.h>

#include <cstring>

namespace clocktext {

static_assert(sizeof(LocalTime) == sizeof(SYSTEMTIME), "LocalTime mirrors SYSTEMTIME");
static_assert(sizeof(MEMORYSTATUSEX) == 64, "the length the memory query is given");

LocalTime Win32SystemFigures::LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    LocalTime snapshot;
    std::memcpy(&snapshot, &now, sizeof snapshot);
    return snapshot;
}

uint64_t Win32SystemFigures::AvailablePhysicalMemory() {
    MEMORYSTATUSEX status = {};
    status.dwLength = 64;
    if (!GlobalMemoryStatusEx(&status)) return 0;
    return status.ullAvailPhys;
}

uint64_t Win32SystemFigures::FreeBytesOnDrive(const char* root) {
    // An empty removable drive must not bring up the system's critical-error box.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    ULARGE_INTEGER available = {};
    const UINT type = GetDriveTypeA(root);
    if (type != DRIVE_NO_ROOT_DIR && type != DRIVE_CDROM) {
        if (!GetDiskFreeSpaceExA(root, &available, nullptr, nullptr)) available.QuadPart = 0;
    }
    SetErrorMode(previousMode);
    return available.QuadPart;
}

}  // namespace clocktext

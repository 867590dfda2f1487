// Runs the real Orvanta for a while with a foreground window, in glass mode
// and in caption mode, and prints the processor time it used per tick and
// its peak working set.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "program_driver.h"

namespace {

constexpr double kTicksPerSecond = 10.0;

constexpr DWORD kWarmUpMs = 2000;

double Seconds(const FILETIME& t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return v.QuadPart / 1e7;
}

// Kernel and user time the process has used so far.
double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    return Seconds(kernel) + Seconds(user);
}

void Measure(const char* mode, DWORD vistaAero, DWORD seconds) {
    driver::DeleteSettingsKey();
    driver::SetDword("VistaAero", vistaAero);
    driver::TestWindow window(L"Benchmark window");
    window.BringToFront();
    driver::Orvanta orvanta;
    if (!orvanta.MainWindow()) {
        std::printf("%s: Orvanta did not start\n", mode);
        return;
    }
    // Start-up work is left out of the figure.
    driver::PumpFor(kWarmUpMs);
    const double before = CpuSeconds(orvanta.Process());
    driver::PumpFor(seconds * 1000);
    const double cpu = CpuSeconds(orvanta.Process()) - before;

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(orvanta.Process(), &memory, sizeof memory);
    const double ticks = seconds * kTicksPerSecond;
    std::printf("%-13s %8.1f us CPU per tick (%.2f s in %.0f ticks), peak working set %llu KiB\n",
                mode, cpu / ticks * 1e6, cpu, ticks,
                static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    orvanta.Exit();
    driver::DeleteSettingsKey();
}

}  // namespace

int main(int argc, char** argv) {
    const DWORD seconds = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 30;
    Measure("glass mode", 1, seconds);
    Measure("caption mode", 0, seconds);
    return 0;
}

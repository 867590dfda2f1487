// Drives the shutdown message of the real Orvanta.exe. The message asks
// Windows to shut down, which in Wine ends every process of the session, this
// program included; so it runs in a Wine prefix of its own, and the script
// around it (shutdown_in_own_prefix.sh) judges the outcome: this program
// prints the first line below, and must never print the second.
#include <windows.h>

#include <cstdio>

#include "program_driver.h"

namespace {

constexpr UINT kShutdownMessage = WM_APP + 7;
// Far longer than the shutdown takes.
constexpr DWORD kSurviveMs = 20000;

}  // namespace

int main() {
    driver::DeleteSettingsKey();
    driver::Orvanta orvanta;
    if (!orvanta.MainWindow()) {
        std::puts("Orvanta did not start");
        return 1;
    }
    // A bystander window: the session ends as a whole, not only Orvanta.
    driver::TestWindow bystander(L"Bystander");
    bystander.BringToFront();
    std::puts("shutdown message sent");
    std::fflush(stdout);
    PostMessageA(orvanta.MainWindow(), kShutdownMessage, 0, 0);
    driver::PumpFor(kSurviveMs);
    std::printf("still running %lu ms after the shutdown message; Orvanta %s\n", kSurviveMs,
                orvanta.HasExited() ? "ended" : "runs on");
    return 1;
}

// Horalink sets the PC clock from a daytime server. It runs only beside a
// running Orvanta, whose hidden main window it looks for by class name.
#include <windows.h>

#include <commctrl.h>

#include "sync_dialog.h"
#include "texts.h"

namespace {

constexpr char kOrvantaWindowClass[] = "Orvanta Pro 7.2";
constexpr DWORD kAllCommonControlClasses = 0xFFFF;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!FindWindowA(kOrvantaWindowClass, nullptr)) {
        // No owner and no caption: the system's default caption.
        MessageBoxW(nullptr, horalink::kNeedsOrvanta, nullptr, MB_ICONINFORMATION | MB_SYSTEMMODAL);
        return 0;
    }
    INITCOMMONCONTROLSEX classes = {sizeof classes, kAllCommonControlClasses};
    InitCommonControlsEx(&classes);
    return static_cast<int>(horalink::RunSyncDialog(instance));
}

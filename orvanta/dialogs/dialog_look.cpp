#include "dialog_look.h"

#include "program.h"

namespace orvanta {

transparency::PairStore TransparencyStore() {
    return {&g_settingsKey, settings::OrvantaSettingTable(), &g_settings, settings::kTransparency,
            &g_settings.transparency};
}

void SetDialogIcon(HWND dialog) {
    SetClassLongPtrA(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(g_programIcon));
}

void OpenDialogWithoutTransparencyControls(HWND dialog) {
    SetDialogIcon(dialog);
    transparency::OpenWithoutControls(dialog, TransparencyStore());
}

}  // namespace orvanta

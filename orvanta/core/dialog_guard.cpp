#include "dialog_guard.h"

namespace orvanta {

DialogGuard g_dialogGuard;
DialogGuard g_hotkeyListGuard;

}  // namespace orvanta

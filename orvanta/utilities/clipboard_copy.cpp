#include "clipboard_copy.h"

#include <cstring>

#include "clipboard_text.h"
#include "program.h"
#include "program_sound.h"
#include "resource.h"

namespace utilities {
namespace {

// A zeroed block one byte longer than the text, so it ends with its NUL.
HGLOBAL TextBlock(std::string_view text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (!block) return nullptr;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block);
    return block;
}

}  // namespace

// The main window owns the clipboard: with no owner, EmptyClipboard leaves
// the clipboard ownerless and SetClipboardData may refuse the text.
void CopyTimeToClipboard(HWND mainWindow) {
    PlayProgramSound(IDW_COPY_CHIME);
    const std::string_view text =
        ClockTextWithoutMargins(orvanta::g_clockString, sizeof orvanta::g_clockString);
    if (!OpenClipboard(mainWindow)) return;
    if (const HGLOBAL block = TextBlock(text)) {
        EmptyClipboard();
        // The clipboard owns the block once it accepts it.
        if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
}

}  // namespace utilities

// The dialog transparency setting on screen: applying the pair to a dialog,
// and the handlers of the "t" check box and the vertical opacity trackbar
// that dialogs with those controls call from their procedures.
#pragma once

#include <windows.h>

#include "transparency.h"

namespace transparency {

// Translucent (colour key 0x000001, alpha Track) or opaque, as the pair says.
// Where the system has no layered windows the dialog stays opaque.
void Apply(HWND window, const Pair& pair);

// Dialogs without the controls: read the stored pair and apply it.
void OpenWithoutControls(HWND dialog, const PairStore& store);

// A dialog's "t" check box and its vertical trackbar, whose top end is the
// most transparent.
class DialogControls {
  public:
    DialogControls(const PairStore& store, int checkBoxId, int trackbarId)
        : store_(store), checkBoxId_(checkBoxId), trackbarId_(trackbarId) {}

    // WM_INITDIALOG: read the stored pair, apply it, set up both controls.
    void Open(HWND dialog);
    // WM_COMMAND: BN_CLICKED from the check box.
    void OnCheckBoxClicked(HWND dialog);
    // WM_VSCROLL: notifications from the trackbar; others are ignored.
    void OnScroll(HWND dialog, WPARAM wParam, LPARAM lParam);

  private:
    PairStore store_;
    int checkBoxId_;
    int trackbarId_;
};

}  // namespace transparency

// One settings dialog at a time: a command opens its dialog only while no
// other is open, and the dialog releases the guard when it closes.
#pragma once

namespace orvanta {

class DialogGuard {
  public:
    // Runs open() unless the guard is set. The guard is set before open()
    // runs, and stays set only if the dialog opened (open() returned true).
    template <typename Open>
    void OpenIfFree(Open open) {
        if (set_) return;
        set_ = true;
        if (!open()) set_ = false;
    }
    void Release() { set_ = false; }
    bool IsSet() const { return set_; }

  private:
    bool set_ = false;
};

// The settings dialogs share one guard; the hotkey list has its own, so it
// can be open beside any of them, but only once.
extern DialogGuard g_dialogGuard;
extern DialogGuard g_hotkeyListGuard;

}  // namespace orvanta

// Once-a-minute gating. The alert scheduler and the speaking clock each own a
// guard: they set it when they have done their minute's work, and the clock
// text engine clears both when a new minute begins.
#pragma once

#include <atomic>

namespace alerts {

class MinuteGuard {
  public:
    bool IsSet() const { return set_.load(); }
    void Set() { set_.store(true); }
    void Clear() { set_.store(false); }

  private:
    // The speaking clock's worker thread may look at its guard.
    std::atomic<bool> set_{false};
};

MinuteGuard& AlertMinuteGuard();
MinuteGuard& SpeakMinuteGuard();

}  // namespace alerts

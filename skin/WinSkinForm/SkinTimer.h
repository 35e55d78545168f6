// TSkinTimer: a timer of the GUI thread with a callback, for the skin engine's
// periodic work (the manager's request tick, a skinned window's hover check).
// It is a thread timer, so it needs no window of its own and keeps firing in
// modal loops (menus, message boxes, moving and sizing). Disabled at creation;
// killed when disabled or destroyed, so a freed timer never calls back.
#pragma once

#include <windows.h>

#include <functional>

namespace skin {

class TSkinTimer {
 public:
  explicit TSkinTimer(UINT interval = 250, std::function<void()> onTimer = {});
  ~TSkinTimer();
  TSkinTimer(const TSkinTimer&) = delete;
  TSkinTimer& operator=(const TSkinTimer&) = delete;

  bool Enabled() const { return id_ != 0; }
  // Enabling an enabled timer keeps it running (its period does not restart).
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }

  // Called on every tick; may disable or free the timer.
  std::function<void()> OnTimer;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);

  UINT interval_;
  UINT_PTR id_ = 0;
};

}  // namespace skin

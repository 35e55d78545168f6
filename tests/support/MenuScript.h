// Acting inside the system's modal menu loops (and the other modal loops
// that dispatch thread timers): a script of steps run from a thread timer,
// the visible popup-menu window, keys posted to it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "support/MessagePump.h"

namespace test_support {

// A script run from a thread timer inside the menu loops: each tick runs the
// next step. Steps see which bar item is open (-1: none).
class TMenuScript {
 public:
  using TStep = std::function<void()>;
  explicit TMenuScript(std::vector<TStep> steps) : steps_(std::move(steps)) {}

  // Starts the script, runs `start` (which opens a menu or posts what will)
  // and pumps until every step ran and no menu is tracked.
  bool Run(const std::function<void()>& start, const std::function<bool()>& tracking) {
    active_ = this;
    const UINT_PTR id = SetTimer(nullptr, 0, 120, Tick);
    start();
    const bool done = test_support::PumpUntil([&] { return next_ >= steps_.size() && !tracking(); }, 8000);
    KillTimer(nullptr, id);
    active_ = nullptr;
    return done;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!active_) return;
    if (active_->next_ < active_->steps_.size()) {
      active_->steps_[active_->next_++]();
      return;
    }
    EndMenu();  // whatever is still open after the last step
  }

  std::vector<TStep> steps_;
  std::size_t next_ = 0;
  static inline TMenuScript* active_ = nullptr;
};

// The visible popup-menu window, or null.
inline HWND MenuWindow() {
  HWND found = nullptr;
  while ((found = FindWindowExW(nullptr, found, L"#32768", nullptr)) != nullptr)
    if (IsWindowVisible(found)) return found;
  return nullptr;
}

inline void PostKey(WPARAM key) {
  if (HWND menu = MenuWindow()) PostMessageW(menu, WM_KEYDOWN, key, 0);
}

}  // namespace test_support

#include "skin/WinSkinForm/SkinTimer.h"

#include <unordered_map>

namespace skin {

namespace {

// Running timers by their id. Thread timers carry no pointer of their own.
// Never freed: timers are still stopped while the program's statics go (the
// skin manager is freed then), after a static map would be gone.
std::unordered_map<UINT_PTR, TSkinTimer*>& RunningTimers() {
  static auto* timers = new std::unordered_map<UINT_PTR, TSkinTimer*>;
  return *timers;
}

}  // namespace

TSkinTimer::TSkinTimer(UINT interval, std::function<void()> onTimer)
    : OnTimer(std::move(onTimer)), interval_(interval) {}

TSkinTimer::~TSkinTimer() { SetEnabled(false); }

void TSkinTimer::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (enabled) {
    id_ = SetTimer(nullptr, 0, interval_, &TSkinTimer::Tick);
    if (id_) RunningTimers()[id_] = this;
  } else {
    KillTimer(nullptr, id_);
    RunningTimers().erase(id_);
    id_ = 0;
  }
}

void CALLBACK TSkinTimer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  const auto it = RunningTimers().find(id);
  if (it == RunningTimers().end()) return;
  // A copy: the callback may free the timer.
  const std::function<void()> onTimer = it->second->OnTimer;
  if (!onTimer) return;
  try {
    onTimer();
  } catch (...) {
    // The tick's work is repeated on the next tick; nothing reaches the loop.
  }
}

}  // namespace skin

#include "skin/WinSkinForm/ScreenMetrics.h"

namespace skin {

namespace {

bool Within(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

int TScreenMetrics::Metric(int index, bool keep) {
  if (keep)
    for (const auto& [kept, value] : metrics_)
      if (kept == index) return value;
  ++asked_;
  const int value = GetSystemMetrics(index);
  if (keep) metrics_.emplace_back(index, value);
  return value;
}

bool TScreenMetrics::MonitorAreas(HWND wnd, RECT& monitor, RECT& work, bool keep) {
  RECT window{};
  if (keep && hasMonitor_ && GetWindowRect(wnd, &window) && Within(window, monitor_)) {
    monitor = monitor_;
    work = work_;
    return true;
  }
  ++asked_;
  hasMonitor_ = false;
  if (!AskMonitorAreas(wnd, monitor, work)) return false;
  if (keep) {
    monitor_ = monitor;
    work_ = work;
    hasMonitor_ = true;
  }
  return true;
}

bool TScreenMetrics::AskMonitorAreas(HWND wnd, RECT& monitor, RECT& work) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info)) return false;
  monitor = info.rcMonitor;
  work = info.rcWork;
  return true;
}

void TScreenMetrics::Forget() {
  metrics_.clear();
  hasMonitor_ = false;
}

}  // namespace skin

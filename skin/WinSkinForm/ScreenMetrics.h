// TScreenMetrics: the system metrics and monitor areas a skinned window asks
// at every size change and paint. Under Wine each question costs about
// 0.1 ms, as much as all the rest of a WM_GETMINMAXINFO, so the answers are
// kept until the system says they may have changed: a top-level window hears
// of every display and settings change, and its companion then calls Forget.
// A window that hears of none (an MDI child) passes keep = false and asks
// every time.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace skin {

class TScreenMetrics {
 public:
  // GetSystemMetrics(index).
  int Metric(int index, bool keep);
  // The monitor nearest to `wnd` and its work area. A kept answer holds while
  // the window lies wholly on that monitor, which is then its nearest.
  bool MonitorAreas(HWND wnd, RECT& monitor, RECT& work, bool keep);
  void Forget();
  // The same question put to the system now, nothing kept.
  static bool AskMonitorAreas(HWND wnd, RECT& monitor, RECT& work);
  // How many questions went to the system so far.
  int Asked() const { return asked_; }

 private:
  std::vector<std::pair<int, int>> metrics_;  // index, value
  bool hasMonitor_ = false;
  RECT monitor_{};
  RECT work_{};
  int asked_ = 0;
};

}  // namespace skin

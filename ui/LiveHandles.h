// Live GDI objects and windows made through the class library's and the
// skin engine's handle wrappers, counted as they are made and freed: a leak
// shows here even where the system keeps no count of its own (Wine's
// GetGuiResources answers 0).
#pragma once

#include <atomic>

namespace ui {

struct TLiveHandles {
  long Gdi = 0;      // bitmaps, brushes, pens, fonts, regions, memory DCs
  long Windows = 0;  // windows of framework controls and the helpers' hidden windows
  friend bool operator==(const TLiveHandles&, const TLiveHandles&) = default;
};

namespace live_handles {
inline std::atomic<long> gdi{0};
inline std::atomic<long> windows{0};
}  // namespace live_handles

inline void CountGdi(long delta) { live_handles::gdi += delta; }
inline void CountWindows(long delta) { live_handles::windows += delta; }
inline TLiveHandles LiveHandles() { return {live_handles::gdi.load(), live_handles::windows.load()}; }

}  // namespace ui

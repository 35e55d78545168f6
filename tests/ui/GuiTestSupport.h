// Helpers of the window tests: message pumping with a time limit, reading
// painted pixels back from a window, mouse messages kept apart from the real
// mouse (which every program on the display shares), and a watcher that
// records and closes the message boxes the code under test shows.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Control.h"
#include "support/MessagePump.h"
#include "ui/Graphics.h"

// Rectangles compared and printed in test expectations (found by argument lookup).
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& os, const RECT& r) {
  return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace guitest {

using test_support::PumpFor;
using test_support::PumpUntil;

// The colour painted at (x, y) of the window's client area, or with `whole`
// of the whole window (frame coordinates: the title bar included).
inline ui::TColor WindowPixel(HWND wnd, int x, int y, bool whole = false) {
  ui::TBitmap pixel;
  pixel.SetPixelFormat(ui::TPixelFormat::pf32bit);
  pixel.SetSize(1, 1);
  HDC dc = whole ? GetWindowDC(wnd) : GetDC(wnd);
  BitBlt(pixel.Canvas().Handle(), 0, 0, 1, 1, dc, x, y, SRCCOPY);
  ReleaseDC(wnd, dc);
  return pixel.Pixel(0, 0);
}

// Marks the mouse messages a test sends itself.
constexpr WPARAM kTestMouse = MK_XBUTTON2;

// Lets only the mouse moves and leaves a test sends reach a windowed control:
// the real mouse is shared with every program on the display, and any of
// them may move it. Undone at the end of the scope.
class RealMouseFilter {
 public:
  explicit RealMouseFilter(ui::TControl* control) : control_(control), old_(control->WindowProc) {
    control->WindowProc = [old = old_](ui::TMessage& m) {
      if ((m.Msg == WM_MOUSEMOVE || m.Msg == WM_MOUSELEAVE) && !(m.WParam & kTestMouse)) return;
      old(m);
    };
  }
  ~RealMouseFilter() { control_->WindowProc = old_; }
  RealMouseFilter(const RealMouseFilter&) = delete;
  RealMouseFilter& operator=(const RealMouseFilter&) = delete;

 private:
  ui::TControl* control_;
  ui::TWndMethod old_;
};

// A mouse move or leave as a window receives it (see RealMouseFilter).
inline void PostMouseMove(HWND wnd, int x, int y) { PostMessageW(wnd, WM_MOUSEMOVE, kTestMouse, MAKELPARAM(x, y)); }
inline void PostMouseLeave(HWND wnd) { PostMessageW(wnd, WM_MOUSELEAVE, kTestMouse, 0); }

// A click as the window receives it, without moving the real mouse.
inline void PostClick(HWND wnd, int x, int y) {
  PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

struct ShownBox {
  std::wstring Caption;
  std::wstring Text;
};

// Records every message box of this thread and presses its OK button. Works
// from a thread timer, which fires inside the boxes' own message loops.
class BoxWatcher {
 public:
  BoxWatcher() {
    active_ = this;
    timer_ = SetTimer(nullptr, 0, 40, Tick);
  }
  ~BoxWatcher() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
  }
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  std::vector<ShownBox> Boxes;
  // Boxes are left open until this many have been seen (all of them stay on
  // screen together, as when a user does not answer at once).
  std::size_t HoldUntil = 0;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!active_) return;
    std::erase_if(active_->seen_, [](HWND wnd) { return !IsWindow(wnd); });  // handles may come again
    EnumThreadWindows(GetCurrentThreadId(), Visit, 0);
  }

  static BOOL CALLBACK Visit(HWND wnd, LPARAM) {
    wchar_t cls[32] = {};
    GetClassNameW(wnd, cls, 32);
    if (std::wstring(cls) != L"#32770" || !IsWindowVisible(wnd)) return TRUE;
    BoxWatcher& self = *active_;
    if (!self.seen_.count(wnd)) {
      self.seen_.insert(wnd);
      self.Boxes.push_back(ShownBox{WindowText(wnd), BoxText(wnd)});
    }
    if (self.Boxes.size() >= self.HoldUntil) PostMessageW(wnd, WM_COMMAND, IDOK, 0);
    return TRUE;
  }

  static std::wstring WindowText(HWND wnd) {
    std::wstring text(size_t(GetWindowTextLengthW(wnd)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(wnd, text.data(), int(text.size()))));
    return text;
  }

  // The message: the longest text of the box's static controls.
  static std::wstring BoxText(HWND box) {
    std::wstring best;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t cls[32] = {};
      GetClassNameW(child, cls, 32);
      if (lstrcmpiW(cls, L"Static") != 0) continue;
      const std::wstring text = WindowText(child);
      if (text.size() > best.size()) best = text;
    }
    return best;
  }

  static inline BoxWatcher* active_ = nullptr;
  UINT_PTR timer_ = 0;
  std::set<HWND> seen_;
};

}  // namespace guitest

// Where a window's time goes, message by message: the thread's call hooks see
// every message sent to the window (the messages of SetWindowPos, RedrawWindow
// and BeginPaint are all sent), and each message is charged the time inside
// its procedure less that of the messages it sent on, so the figures add up.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace bench {

class TMessageTimes {
 public:
  explicit TMessageTimes(HWND wnd) : wnd_(wnd) {
    Current() = this;
    const DWORD thread = GetCurrentThreadId();
    before_ = SetWindowsHookExW(WH_CALLWNDPROC, &Before, nullptr, thread);
    after_ = SetWindowsHookExW(WH_CALLWNDPROCRET, &After, nullptr, thread);
  }
  ~TMessageTimes() {
    if (before_) UnhookWindowsHookEx(before_);
    if (after_) UnhookWindowsHookEx(after_);
    Current() = nullptr;
  }
  TMessageTimes(const TMessageTimes&) = delete;
  TMessageTimes& operator=(const TMessageTimes&) = delete;

  // One line: each message's count and milliseconds per repeat of the work.
  void Print(const char* what, int repeats) const {
    std::printf("  %s:", what);
    for (const auto& [msg, figure] : figures_)
      std::printf(" %s %.1f x %.3f ms;", msg ? Name(msg) : "other", double(figure.Count) / repeats, figure.Milliseconds / repeats);
    std::printf("\n");
  }

 private:
  struct TFigure {
    int Count = 0;
    double Milliseconds = 0;
  };
  struct TOpen {
    UINT Msg;
    std::chrono::steady_clock::time_point Start;
    double Inner = 0;  // milliseconds of the messages sent on inside it
  };

  static const char* Name(UINT msg) {
    switch (msg) {
      case WM_NCPAINT: return "WM_NCPAINT";
      case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
      case WM_SIZE: return "WM_SIZE";
      case WM_WINDOWPOSCHANGING: return "WM_WINDOWPOSCHANGING";
      case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
      case WM_ERASEBKGND: return "WM_ERASEBKGND";
      case WM_GETMINMAXINFO: return "WM_GETMINMAXINFO";
      case WM_MOVE: return "WM_MOVE";
      default: return nullptr;
    }
  }

  static TMessageTimes*& Current() {
    static TMessageTimes* current = nullptr;
    return current;
  }

  static LRESULT CALLBACK Before(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    TMessageTimes* self = Current();
    if (code == HC_ACTION && self && msg->hwnd == self->wnd_)
      self->open_.push_back({msg->message, std::chrono::steady_clock::now()});
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static LRESULT CALLBACK After(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    TMessageTimes* self = Current();
    if (code == HC_ACTION && self && msg->hwnd == self->wnd_ && !self->open_.empty() &&
        self->open_.back().Msg == msg->message) {
      const TOpen open = self->open_.back();
      self->open_.pop_back();
      const double total =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - open.Start).count();
      TFigure& figure = self->figures_[Name(msg->message) ? msg->message : 0];
      ++figure.Count;
      figure.Milliseconds += total - open.Inner;
      if (!self->open_.empty()) self->open_.back().Inner += total;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  HWND wnd_;
  HHOOK before_ = nullptr;
  HHOOK after_ = nullptr;
  std::vector<TOpen> open_;
  std::map<UINT, TFigure> figures_;
};

}  // namespace bench

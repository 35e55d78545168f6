// Counting the timer messages of the GUI thread while it idles with the mouse
// away from every window, for the benchmarks' idle figures.
#pragma once

#include <windows.h>

namespace bench {

// Timer messages taken from the thread's queue while it lives: thread timers
// (no window: the skin engine's) apart from window timers (the program's).
class TTimerCounter {
 public:
  TTimerCounter() : hook_(SetWindowsHookExW(WH_GETMESSAGE, &Count, nullptr, GetCurrentThreadId())) { Reset(); }
  ~TTimerCounter() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  TTimerCounter(const TTimerCounter&) = delete;
  TTimerCounter& operator=(const TTimerCounter&) = delete;

  void Reset() { Counts() = {}; }
  int Thread() const { return Counts().Thread; }
  int Window() const { return Counts().Window; }

 private:
  struct TCounts {
    int Thread = 0;
    int Window = 0;
  };
  static TCounts& Counts() {
    static TCounts counts;
    return counts;
  }
  static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_TIMER)
      ++(msg->hwnd ? Counts().Window : Counts().Thread);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

// Runs the message loop for `seconds`, sleeping while there is nothing to do.
inline void RunMessagesFor(double seconds) {
  const ULONGLONG end = GetTickCount64() + ULONGLONG(seconds * 1000);
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(end - now), QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// Puts the pointer on the screen's bottom-right corner (no benchmark window
// reaches it) and lets ticks that were running notice it.
inline void ParkPointer() {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  RunMessagesFor(0.7);
}

}  // namespace bench

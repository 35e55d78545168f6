// A top-level window of our own window class, made with plain Win32 calls
// and belonging to no framework form: the engine skins it through its
// window handle alone.
#pragma once

#include <windows.h>

namespace gallery {

class TForeignWindow {
 public:
  // Creates the window, hidden, at `bounds` (screen coordinates).
  explicit TForeignWindow(RECT bounds);
  // Destroys the window unless the user closed it already.
  ~TForeignWindow();
  TForeignWindow(const TForeignWindow&) = delete;
  TForeignWindow& operator=(const TForeignWindow&) = delete;

  // Null once the window is gone.
  HWND Handle() const { return wnd_; }
  // Shows and activates the window.
  void Show();

 private:
  static void RegisterClassOnce();
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint();

  HWND wnd_ = nullptr;
};

}  // namespace gallery

// A hidden window that hands its messages to a function: the receiver of
// timer ticks and other notifications for objects without a window of their
// own. Message-only by default; a hidden top-level one also hears what the
// system tells every top-level window (setting and colour changes).
// Destroyed with the object.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/Messages.h"

namespace ui {

enum class TUtilWindowKind { MessageOnly, HiddenTopLevel };

class TUtilWindow {
 public:
  // `handler` returns true for a message it handled (its result in Result);
  // other messages get the default handling.
  explicit TUtilWindow(std::function<bool(TMessage&)> handler, TUtilWindowKind kind = TUtilWindowKind::MessageOnly);
  ~TUtilWindow();
  TUtilWindow(const TUtilWindow&) = delete;
  TUtilWindow& operator=(const TUtilWindow&) = delete;

  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  std::function<bool(TMessage&)> handler_;
  HWND handle_ = nullptr;
};

}  // namespace ui

#include "ui/UtilWindow.h"

#include <exception>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/LiveHandles.h"

namespace ui {

namespace {
constexpr wchar_t kUtilClass[] = L"TPUtilWindow";
}

TUtilWindow::TUtilWindow(std::function<bool(TMessage&)> handler, TUtilWindowKind kind) : handler_(std::move(handler)) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kUtilClass;
  RegisterClassExW(&wc);  // already registered by an earlier window: fine
  const bool topLevel = kind == TUtilWindowKind::HiddenTopLevel;
  handle_ = CreateWindowExW(topLevel ? WS_EX_TOOLWINDOW : 0, kUtilClass, L"", topLevel ? WS_POPUP : 0, 0, 0, 0, 0,
                            topLevel ? nullptr : HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!handle_) throw std::runtime_error("cannot create a utility window");
  CountWindows(1);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilWindow::~TUtilWindow() {
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
  CountWindows(-1);
}

LRESULT CALLBACK TUtilWindow::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TUtilWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (self && self->handler_) {
    TMessage m{msg, wParam, lParam, 0};
    try {
      if (self->handler_(m)) return m.Result;
    } catch (const std::exception& e) {
      HandleException(e);
      return 0;
    }
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace ui

#include "gallery/ForeignWindow.h"

#include <string>

#include "ui/GdiHandles.h"
#include "ui/TextConv.h"

namespace gallery {

namespace {

constexpr wchar_t kClassName[] = L"TavrinForeignWindow";

const std::wstring& Text() {
  static const std::wstring text = ui::Utf8ToWide(
      "外部窗口：用 CreateWindowExW 直接创建，不属于任何框架窗体，也由皮肤引擎绘制。\r\n\r\n"
      "A foreign window: made with plain CreateWindowExW, of no framework form, and skinned all the same.");
  return text;
}

}  // namespace

void TForeignWindow::RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &TForeignWindow::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(nullptr, IDI_INFORMATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  (void)registered;
}

TForeignWindow::TForeignWindow(RECT bounds) {
  RegisterClassOnce();
  // WM_NCCREATE ties the window to this object (wnd_ is set from there on).
  CreateWindowExW(0, kClassName, ui::Utf8ToWide("外部窗口 · Foreign window").c_str(), WS_OVERLAPPEDWINDOW,
                  bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                  GetModuleHandleW(nullptr), this);
}

TForeignWindow::~TForeignWindow() {
  if (wnd_) DestroyWindow(wnd_);
}

void TForeignWindow::Show() {
  if (!wnd_) return;
  ShowWindow(wnd_, SW_SHOWNORMAL);
  SetForegroundWindow(wnd_);
}

LRESULT CALLBACK TForeignWindow::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* owner = static_cast<TForeignWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->wnd_ = wnd;
    SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* self = reinterpret_cast<TForeignWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  switch (msg) {
    case WM_PAINT:
      if (self) {
        self->Paint();
        return 0;
      }
      break;
    case WM_NCDESTROY:
      if (self) self->wnd_ = nullptr;  // closed by the user, or destroyed by us
      SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

void TForeignWindow::Paint() {
  PAINTSTRUCT ps{};
  const HDC dc = BeginPaint(wnd_, &ps);
  if (!dc) return;
  {
    ui::SelectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT r{};
    GetClientRect(wnd_, &r);
    InflateRect(&r, -16, -14);
    DrawTextW(dc, Text().c_str(), int(Text().size()), &r, DT_WORDBREAK | DT_NOPREFIX);
  }
  EndPaint(wnd_, &ps);
}

}  // namespace gallery

#include "gallery/ForeignWindow.h"

#include <string>

#include "ui/GdiHandles.h"
#include "ui/TextConv.h"

namespace gallery {

namespace {

constexpr wchar_t kClassName[] = L"TavrinForeignWindow";
constexpr UINT kCloseCommand = 1;
constexpr UINT kAboutCommand = 2;
constexpr UINT kDisabledCommand = 3;  // never chosen; an identifier of its own all the same

// A plain Win32 menu bar: the skin engine draws it from the window handle alone.
HMENU CreateForeignMenu() {
  HMENU bar = CreateMenu();
  HMENU window = CreatePopupMenu();
  HMENU help = CreatePopupMenu();
  AppendMenuW(window, MF_STRING, kCloseCommand, ui::Utf8ToWide("关闭 &Close").c_str());
  AppendMenuW(help, MF_STRING, kAboutCommand, ui::Utf8ToWide("关于 &About...").c_str());
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(help, MF_STRING | MF_GRAYED, kDisabledCommand, ui::Utf8ToWide("不可用 &Disabled").c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(window), ui::Utf8ToWide("窗口(&W)").c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
  return bar;
}

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
                  bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                  CreateForeignMenu(), GetModuleHandleW(nullptr), this);
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
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && LOWORD(wParam) == kCloseCommand) {
        PostMessageW(wnd, WM_CLOSE, 0, 0);
        return 0;
      }
      if (HIWORD(wParam) == 0 && LOWORD(wParam) == kAboutCommand) {
        MessageBoxW(wnd, Text().c_str(), ui::Utf8ToWide("外部窗口 · Foreign window").c_str(), MB_OK);
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

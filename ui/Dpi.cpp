#include "ui/Dpi.h"

#include "ui/GdiHandles.h"

namespace ui {

namespace {

using GetDpiForSystemProc = UINT(WINAPI*)();
using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using AdjustForDpiProc = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// A user32 function that older systems lack (null there).
template <typename Proc>
Proc User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  // The detour through void* keeps GCC's cast-function-type warning quiet: the
  // signature is the documented one.
  return user32 ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int QuerySystemDpi() {
  if (const auto getDpiForSystem = User32Function<GetDpiForSystemProc>("GetDpiForSystem")) {
    if (const UINT dpi = getDpiForSystem()) return int(dpi);
  }
  WindowDC screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

// A process keeps its system DPI for its whole life: asked once.
int SystemDpi() {
  static const int dpi = QuerySystemDpi();
  return dpi;
}

int WindowDpi(HWND wnd) {
  static const auto getDpiForWindow = User32Function<GetDpiForWindowProc>("GetDpiForWindow");
  if (getDpiForWindow && wnd) {
    if (const UINT dpi = getDpiForWindow(wnd)) return int(dpi);
  }
  return SystemDpi();
}

RECT FrameForDpi(DWORD style, DWORD exStyle, bool menu, int dpi) {
  static const auto adjustForDpi = User32Function<AdjustForDpiProc>("AdjustWindowRectExForDpi");
  RECT r{0, 0, 0, 0};
  if (dpi != SystemDpi() && adjustForDpi && adjustForDpi(&r, style, menu, exStyle, UINT(dpi))) return r;
  r = RECT{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style, menu, exStyle);
  return r;
}

}  // namespace ui

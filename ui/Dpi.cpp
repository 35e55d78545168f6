#include "ui/Dpi.h"

#include <initializer_list>

#include "ui/GdiHandles.h"

namespace ui {

namespace {

using GetDpiForSystemProc = UINT(WINAPI*)();
using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using AdjustForDpiProc = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiProc = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiProc = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

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

int SystemMetricForDpi(int index, int dpi) {
  static const auto forDpi = User32Function<GetSystemMetricsForDpiProc>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, UINT(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
  static const auto forDpi = User32Function<SystemParametersInfoForDpiProc>("SystemParametersInfoForDpi");
  metrics = NONCLIENTMETRICSW{};
  metrics.cbSize = sizeof(metrics);
  if (forDpi) return forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, UINT(dpi)) != FALSE;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                         &metrics.lfStatusFont, &metrics.lfMessageFont})
    font->lfHeight = MulDiv(font->lfHeight, dpi, SystemDpi());
  return true;
}

}  // namespace ui

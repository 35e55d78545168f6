#include "skin/WinSkinForm/WindowDpi.h"

#include <initializer_list>

namespace skin {

namespace {

template <typename F>
F User32Function(const char* name) {
  static HMODULE const user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

}  // namespace

int SystemMetricForDpi(int index, int dpi) {
  static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, UINT(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
  static const auto forDpi = User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
  metrics = NONCLIENTMETRICSW{};
  metrics.cbSize = sizeof(metrics);
  if (forDpi) return forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, UINT(dpi)) != FALSE;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                         &metrics.lfStatusFont, &metrics.lfMessageFont})
    font->lfHeight = MulDiv(font->lfHeight, dpi, SystemDpi());
  return true;
}

}  // namespace skin

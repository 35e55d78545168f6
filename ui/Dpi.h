// The resolution of the screen and of windows. The functions of newer systems
// (GetDpiForSystem, GetDpiForWindow, AdjustWindowRectExForDpi) are looked up
// at run time, so the program still starts on systems without them and falls
// back to the screen's LOGPIXELSX there.
#pragma once

#include <windows.h>

namespace ui {

// The resolution form descriptions are written at: 100 %.
constexpr int kDesignDpi = 96;

// The system DPI: GetDpiForSystem where it exists, else the screen's LOGPIXELSX.
int SystemDpi();
// The DPI of a window: GetDpiForWindow where it exists, else the system DPI.
int WindowDpi(HWND wnd);
// The frame AdjustWindowRectEx adds around an empty client area for a window
// at `dpi` (the system's own frame when `dpi` is the system DPI or the system
// cannot tell another resolution's).
RECT FrameForDpi(DWORD style, DWORD exStyle, bool menu, int dpi);
// GetSystemMetricsForDpi where it exists, else GetSystemMetrics scaled from
// the system DPI to `dpi`.
int SystemMetricForDpi(int index, int dpi);
// The non-client metrics (caption, menu and message fonts) for `dpi`:
// SystemParametersInfoForDpi where it exists, else the system's with their
// font heights scaled to `dpi`.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

}  // namespace ui

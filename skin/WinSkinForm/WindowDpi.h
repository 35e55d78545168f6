// The system's measures at a DPI (the DPIs themselves are the class
// library's, ui/Dpi.h). The newer calls (Windows 10) are looked up at run time, so the engine still runs on
// Windows 7 and 8, where everything is at the system DPI and measures at
// another DPI are the system's scaled.
#pragma once

#include <windows.h>

#include "ui/Dpi.h"

namespace skin {

// The system DPI and a window's: the class library's.
using ui::SystemDpi;
using ui::WindowDpi;
// GetSystemMetricsForDpi where it exists, else GetSystemMetrics scaled from
// the system DPI to `dpi`.
int SystemMetricForDpi(int index, int dpi);
// The non-client metrics (caption and menu fonts) for `dpi`:
// SystemParametersInfoForDpi where it exists, else the system's with their
// font heights scaled to `dpi`.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

}  // namespace skin

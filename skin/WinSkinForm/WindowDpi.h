// The DPIs of the system and of windows, and the system's measures at a DPI:
// the class library's (ui/Dpi.h), named here for the engine.
#pragma once

#include "ui/Dpi.h"

namespace skin {

using ui::NonClientMetricsForDpi;
using ui::SystemDpi;
using ui::SystemMetricForDpi;
using ui::WindowDpi;

}  // namespace skin

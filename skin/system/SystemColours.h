// The system's colour choices as a skin follows them: the accent colour and
// whether apps are to be light or dark. Each read is fresh (no caching), so a
// change is seen as soon as it is announced.
#pragma once

#include <optional>

#include "ui/Colors.h"

namespace skin {

// The accent colour: DwmGetColorizationColor where the system gives it,
// otherwise the registry's accent value (HKCU\Software\Microsoft\Windows\DWM
// AccentColor, then ColorizationColor); nothing when neither is there.
std::optional<ui::TColor> SystemAccentColour();

// HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize
// AppsUseLightTheme: true for light apps (also when the value is missing, as
// on systems before the choice existed), false for dark ones.
bool AppsUseLightTheme();

}  // namespace skin

// Colour texts of skin definitions.
#pragma once

#include <string_view>

#include "skin/WinSkinData/IniFile.h"
#include "ui/Colors.h"

namespace skin {

// "R G B" with any non-digit separators -> RGB colour; `def` for an empty text.
// The numbers are taken modulo 256; a third number is taken only when it
// follows exactly two separators, and components never read are 0.
ui::TColor ParseColour(std::string_view text, ui::TColor def);

// Title text colour from the integers prefix+"R", prefix+"G", prefix+"B" of
// "Personality": set only when all three are present and not negative,
// otherwise clNone (not set).
ui::TColor ReadTitleColour(const TIniFile& ini, std::string_view prefix);

}  // namespace skin

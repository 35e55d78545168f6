// `skinpack check`: what a skin author must fix before the program can use a skin.
#pragma once

#include "skin/SkinRead/SkinReader.h"
#include "skin/SkinRead/CheckReport.h"

namespace skin {

// Package-level checks: plain, unique names; exactly one definition, found by
// the program's own lookup; every bitmap non-empty and a readable .bmp file.
// Then the definition checks.
void CheckPackage(const TSkinReader& reader, TCheckReport& report);

}  // namespace skin

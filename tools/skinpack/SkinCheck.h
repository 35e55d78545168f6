// `skinpack check`: what a skin author must fix before the program can use a skin.
#pragma once

#include "skin/SkinRead/SkinReader.h"
#include "tools/skinpack/CheckReport.h"

namespace skinpack {

// Package-level checks: plain, unique names; exactly one definition, found by
// the program's own lookup; every bitmap non-empty and a readable .bmp file.
// Then the definition checks.
void CheckPackage(const skin::TSkinReader& reader, TCheckReport& report);

}  // namespace skinpack

// Checks of the skin definition as the program loads it: image keys, required
// images, frame counts, margins, caption-button codes.
#pragma once

#include <string>

#include "skin/SkinRead/SkinReader.h"
#include "skin/SkinRead/CheckReport.h"
#include "ui/Streams.h"

namespace skin {

// `definitionName` is the entry the program picks as its definition and
// `definition` its bytes; `reader` gives the package for image lookups.
void CheckDefinition(const TSkinReader& reader, const std::string& definitionName,
                     const ui::TMemoryStream& definition, TCheckReport& report);

}  // namespace skin

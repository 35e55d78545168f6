#include "tools/skinpack/DefinitionCheck.h"

namespace skinpack {

// DEFINITION CHECKS GO HERE. Load the definition with the program's own
// definition loader and report, with file and "Section/Key": an image key
// naming a missing or non-.bmp entry, a required image missing, a frame count
// that does not divide its image, margins wider than a frame, a caption
// button whose Action, Align or Visibility code means nothing.
void CheckDefinition(const skin::TSkinReader& /*reader*/, const std::string& /*definitionName*/,
                     const ui::TMemoryStream& /*definition*/, TCheckReport& /*report*/) {}

}  // namespace skinpack

// Unpacking a package into a folder without ever writing outside it.
#pragma once

#include <filesystem>
#include <ostream>

#include "skin/SkinRead/SkinReader.h"

namespace skinpack {

// Writes every file of `reader` into `folder` (created if needed). Entries
// whose names are not plain file names, and repeats of a name, are skipped
// and reported on `err`. Returns the number of entries skipped or failed.
std::size_t UnpackTo(const skin::TSkinReader& reader, const std::filesystem::path& folder, std::ostream& out,
                     std::ostream& err);

}  // namespace skinpack

// Reading stored skins from disk into the same reader the program uses.
#pragma once

#include <filesystem>
#include <string>

#include "skin/SkinRead/SkinReader.h"

namespace skinpack {

// Loads a stored skin file into `reader`. False with a reason (the version
// message included) when the file cannot be read or is no usable package.
bool LoadStoredSkinFile(const std::filesystem::path& file, skin::TSkinReader& reader, std::string& reason);

// Loads stored skin bytes; see LoadStoredSkinFile.
bool LoadStoredSkin(std::vector<std::uint8_t> stored, skin::TSkinReader& reader, std::string& reason);

}  // namespace skinpack

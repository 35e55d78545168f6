// Stored skins on disk or in memory, loaded into the reader with the reason of a failure.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "skin/SkinRead/SkinReader.h"

namespace skin {

// Loads a stored skin file into `reader`. False with a reason (the version
// message included) when the file cannot be read or is no usable package.
bool LoadStoredSkinFile(const std::filesystem::path& file, TSkinReader& reader, std::string& reason);

// Loads stored skin bytes; see LoadStoredSkinFile.
bool LoadStoredSkin(std::vector<std::uint8_t> stored, TSkinReader& reader, std::string& reason);

}  // namespace skin

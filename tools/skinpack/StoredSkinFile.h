// Stored skins on disk: loaded into the same reader the program uses, or decoded as they are.
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

// Decompresses any file in the stored form (4-byte size + LZH stream) into
// `output`. False with a message when the input is truncated or a file fails.
bool DecodeStoredFile(const std::filesystem::path& input, const std::filesystem::path& output, std::string& error);

}  // namespace skinpack

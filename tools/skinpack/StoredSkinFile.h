// Stored-form files decoded as they are, for skin authors.
#pragma once

#include <filesystem>
#include <string>


namespace skinpack {

// Decompresses any file in the stored form (4-byte size + LZH stream) into
// `output`. False with a message when the input is truncated or a file fails.
bool DecodeStoredFile(const std::filesystem::path& input, const std::filesystem::path& output, std::string& error);

}  // namespace skinpack

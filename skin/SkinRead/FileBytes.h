// Whole files in and out, with paths that may hold any characters.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace skin {

bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);
// A failed write leaves no partial file behind.
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void RemovePartialFile(const std::filesystem::path& path);

}  // namespace skin

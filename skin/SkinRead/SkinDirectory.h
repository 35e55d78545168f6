// A skin's source folder: the bitmaps and the one definition that go into a package.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "skin/SkinRead/PackageWriter.h"

namespace skin {

struct TSkinSource {
  std::vector<TPackageFile> Files;  // in package order
  std::vector<std::string> Errors;  // the folder cannot be packed while there are any
  std::vector<std::string> Notes;   // files left out, and why
};

// Reads the .bmp and .ini files of `folder` (not its subfolders), with names
// as the folder gives them.
TSkinSource ReadSkinDirectory(const std::filesystem::path& folder);

// The stored skin (size + compressed package) of a source without errors.
std::vector<std::uint8_t> StoredSkinOf(const TSkinSource& source);

// UTF-8 bytes of a path's last part, and the path of a UTF-8 name inside a folder.
std::string NameOf(const std::filesystem::path& path);
std::filesystem::path PathOf(const std::filesystem::path& folder, const std::string& utf8Name);

}  // namespace skin

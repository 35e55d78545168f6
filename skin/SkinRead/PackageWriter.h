// Writes skin packages: the package layout and its stored (compressed) form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

struct TPackageFile {
  std::string Name;  // as it should stand in the package
  std::vector<std::uint8_t> Data;
};

// The order the program expects: bitmaps by name, the definition (.ini) last.
// Names compare in lower case; other files keep their place before the definition.
void OrderForPackage(std::vector<TPackageFile>& files);

// The package of `files` in their given order: header (version, names length,
// two zero words), names each ending with CR LF, size table, contents.
std::vector<std::uint8_t> WritePackage(const std::vector<TPackageFile>& files, std::uint32_t version = 20000);

}  // namespace skin

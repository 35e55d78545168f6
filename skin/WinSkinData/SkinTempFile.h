// The short-lived file a skin definition is read from while a skin loads.
// Its name is our own and unique (never the name stored in the package), it
// is created only inside the temporary folder and never over an existing
// file, and it is deleted when the object goes, on every path.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace skin {

class TSkinTempFile {
 public:
  TSkinTempFile() = default;
  ~TSkinTempFile();
  TSkinTempFile(const TSkinTempFile&) = delete;
  TSkinTempFile& operator=(const TSkinTempFile&) = delete;

  // Writes `bytes` to a new file in SkinTempFolder(); false when none could be made.
  bool Create(std::span<const std::uint8_t> bytes);
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The system's temporary folder, or the one set by SetSkinTempFolder.
std::filesystem::path SkinTempFolder();
// Replaces the temporary folder (tests); an empty path restores the system's.
void SetSkinTempFolder(std::filesystem::path folder);

}  // namespace skin

// TSkinReader: unpacks a stored skin (size + LZH stream) into its named files.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Streams.h"

namespace skin {

inline constexpr std::uint32_t kSkinPackageVersion = 20000;
inline constexpr const char* kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";
inline constexpr std::size_t kMaxSkinFiles = 1001;
// A decompressed package larger than this is refused: no real skin comes near
// it, and a hostile size must not make the decoder run or allocate for long.
inline constexpr std::uint32_t kMaxPackageSize = 64u * 1024 * 1024;
inline constexpr std::size_t kPackageHeaderSize = 16;

// Lower-cases the ASCII letters A to Z only, as package names are compared.
std::string LowerAscii(std::string_view text);

class TSkinReader {
 public:
  // Decompresses and indexes a stored skin. False for a package of another
  // version (after showing kOlderSkinMessage) and, silently, for anything
  // malformed: truncated, too large, too many names, sizes past the data.
  bool Load(ui::TStream& stored);

  // The first file whose name equals `name` in lower case; `stream` is left
  // empty when there is none. True when found.
  bool ExtractByName(std::string_view name, ui::TMemoryStream& stream) const;

  // The first file whose (lower-case) name contains `part` as given, case
  // sensitive; its name goes to `name`, which is untouched when nothing matches.
  bool ExtractBySubstring(std::string_view part, ui::TMemoryStream& stream, std::string& name) const;

  // The file at `index` in package order.
  void ExtractByIndex(std::size_t index, ui::TMemoryStream& stream) const;

  std::size_t Count() const { return names_.size(); }
  const std::vector<std::string>& Names() const { return names_; }
  std::uint32_t FileSize(std::size_t index) const { return sizes_.at(index); }
  std::uint32_t Version() const { return version_; }
  std::uint32_t NamesLength() const { return namesLength_; }
  // Why the last Load failed, for tools; empty after a successful load.
  const std::string& FailureReason() const { return failure_; }

 private:
  void Clear();
  bool Fail(std::string reason);
  bool Index(const std::vector<std::uint8_t>& package);
  void WriteEntry(std::size_t index, ui::TMemoryStream& stream) const;

  std::vector<std::string> names_;
  std::array<std::uint32_t, kMaxSkinFiles> sizes_{};
  std::array<std::uint64_t, kMaxSkinFiles> offsets_{};
  std::uint32_t version_ = 0;
  std::uint32_t namesLength_ = 0;
  ui::TMemoryStream data_;
  std::string failure_;
};

}  // namespace skin

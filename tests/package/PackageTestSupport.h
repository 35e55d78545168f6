// Building stored skins, well-formed or broken on purpose, for the package tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "skin/SkinRead/SkinMessage.h"
#include "skin/SkinRead/SkinReader.h"
#include "skin/codec/LzhEncoder.h"
#include "skin/SkinRead/PackageWriter.h"

namespace package_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A package with a hand-written names text and explicit sizes.
inline Bytes RawPackage(std::uint32_t version, const std::string& names, const std::vector<std::uint32_t>& sizes,
                        const Bytes& data) {
  Bytes out;
  auto put = [&out](std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(v >> shift));
  };
  put(version);
  put(std::uint32_t(names.size()));
  put(0);
  put(0);
  out.insert(out.end(), names.begin(), names.end());
  for (std::uint32_t size : sizes) put(size);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

struct TLoadResult {
  bool loaded = false;
  std::vector<std::string> messages;
};

// Loads stored bytes, collecting any message the reader shows.
inline TLoadResult LoadStored(skin::TSkinReader& reader, const Bytes& stored) {
  TLoadResult result;
  auto previous =
      skin::SetSkinMessageHandler([&result](const std::string& text) { result.messages.push_back(text); });
  ui::TMemoryStream stream{Bytes(stored)};
  result.loaded = reader.Load(stream);
  skin::SetSkinMessageHandler(std::move(previous));
  return result;
}

inline TLoadResult LoadPackage(skin::TSkinReader& reader, const Bytes& package) {
  return LoadStored(reader, skin::EncodeStored(package));
}

// A fresh folder under the temporary directory, removed with the object.
class TTempFolder {
 public:
  explicit TTempFolder(const std::string& tag) {
    // Tests run as parallel processes whose addresses and counters may well agree
    // (sanitizer heaps are laid out alike), so the name carries a random part too.
    static int counter = 0;
    static std::mt19937_64 random{std::random_device{}()};
    path_ = std::filesystem::temp_directory_path() /
            ("tavrin_" + tag + "_" + std::to_string(++counter) + "_" + std::to_string(random()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TTempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace package_test

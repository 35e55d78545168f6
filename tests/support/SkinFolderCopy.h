// A temporary copy of our skin's source folder (assets/skin), to be edited
// into other skins or broken on purpose. The test program defines
// TAVRIN_SKIN_SOURCE as that folder's path.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace test_support {

class TSkinFolderCopy {
 public:
  // `name` may hold any characters (a Chinese folder name, say).
  explicit TSkinFolderCopy(const std::u8string& name) {
    path_ = std::filesystem::temp_directory_path() / std::filesystem::path(name);
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    for (const auto& entry : std::filesystem::directory_iterator(TAVRIN_SKIN_SOURCE)) {
      const std::string extension = entry.path().extension().string();
      if (extension == ".bmp" || extension == ".ini") std::filesystem::copy_file(entry.path(), path_ / entry.path().filename());
    }
  }
  ~TSkinFolderCopy() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TSkinFolderCopy(const TSkinFolderCopy&) = delete;
  TSkinFolderCopy& operator=(const TSkinFolderCopy&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  std::vector<std::uint8_t> Read(const std::string& file) const {
    std::ifstream in(path_ / file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  // Written in one go, as an editor saves.
  void Write(const std::string& file, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(path_ / file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  void Write(const std::string& file, const std::string& text) const {
    Write(file, std::vector<std::uint8_t>(text.begin(), text.end()));
  }

  // The definition with `Key=...` (its first occurrence) given a new value.
  void SetIniValue(const std::string& key, const std::string& value) const {
    const std::vector<std::uint8_t> bytes = Read("skin.ini");
    std::string text(bytes.begin(), bytes.end());
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return;
    const std::size_t start = at + key.size() + 2;
    text.replace(start, text.find_first_of("\r\n", start) - start, value);
    Write("skin.ini", text);
  }

  // A 32-bpp bitmap with every colour inverted but the transparent magenta:
  // another skin, pixel for pixel.
  void InvertBitmap(const std::string& file) const {
    std::vector<std::uint8_t> bytes = Read(file);
    const std::uint32_t offset = bytes[10] | bytes[11] << 8 | bytes[12] << 16 | std::uint32_t(bytes[13]) << 24;
    for (std::size_t i = offset; i + 3 < bytes.size(); i += 4) {
      if (bytes[i] == 0xFF && bytes[i + 1] == 0 && bytes[i + 2] == 0xFF) continue;
      for (std::size_t c = 0; c < 3; ++c) bytes[i + c] = std::uint8_t(~bytes[i + c]);
    }
    Write(file, bytes);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace test_support

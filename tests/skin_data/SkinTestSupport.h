// Small skins made in the tests: bitmaps, definitions and stored packages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "package/PackageTestSupport.h"
#include "skin/WinSkinData/SkinImage.h"
#include "skin/WinSkinData/SkinSet.h"
#include "skin/WinSkinData/SkinTempFile.h"
#include "ui/Graphics.h"

namespace skin_test {

using package_test::Bytes;
using package_test::BytesOf;

// The bytes of `bitmap` saved as a bitmap file.
inline Bytes BitmapBytes(const ui::TBitmap& bitmap) {
  ui::TMemoryStream out;
  bitmap.SaveToStream(out);
  return Bytes(out.Bytes().begin(), out.Bytes().end());
}

// A bitmap file of w x h whose pixel (x, y) is pixel(x, y).
inline Bytes PaintedFile(int w, int h, const std::function<ui::TColor(int, int)>& pixel) {
  ui::TBitmap bitmap;
  bitmap.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bitmap.SetPixel(x, y, pixel(x, y));
  return BitmapBytes(bitmap);
}

// A bitmap file of w x h whose pixel (x, y) has red = x, green = y, blue = `tag`.
inline Bytes BitmapFile(int w, int h, std::uint8_t tag = 0) {
  return PaintedFile(w, h, [tag](int x, int y) { return ui::RGBColor(std::uint8_t(x), std::uint8_t(y), tag); });
}

using TFiles = std::vector<skin::TPackageFile>;

// The package of `files` plus the definition "skin.ini" (last, as packed).
inline Bytes Package(TFiles files, const std::string& definition, const std::string& iniName = "skin.ini") {
  files.push_back({iniName, BytesOf(definition)});
  return skin::WritePackage(files);
}

inline Bytes Stored(TFiles files, const std::string& definition, const std::string& iniName = "skin.ini") {
  return skin::EncodeStored(Package(std::move(files), definition, iniName));
}

// Loads a skin set from stored bytes, collecting messages instead of showing them.
inline bool LoadStored(skin::TSkinSet& set, const Bytes& stored, std::vector<std::string>* messages = nullptr) {
  auto previous = skin::SetSkinMessageHandler([messages](const std::string& text) {
    if (messages) messages->push_back(text);
  });
  ui::TMemoryStream stream{Bytes(stored)};
  const bool loaded = set.LoadFromStored(stream);
  skin::SetSkinMessageHandler(std::move(previous));
  return loaded;
}

// Loads a definition with `files` as the package, without the stored form.
inline void LoadDefinition(skin::TSkinSet& set, const std::string& definition, TFiles files = {}) {
  skin::TSkinReader reader;
  const auto result = package_test::LoadPackage(reader, Package(std::move(files), definition));
  if (!result.loaded) throw std::runtime_error("test package did not load");
  set.LoadDefinition(skin::TIniFile(definition), reader);
}

// Files in `folder` (none when it is missing).
inline std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    names.push_back(entry.path().filename().string());
  return names;
}

// Points the skin loader's temporary folder at a fresh folder for a scope.
class TTempFolderScope {
 public:
  TTempFolderScope() : folder_("skin_data") { skin::SetSkinTempFolder(folder_.Path()); }
  ~TTempFolderScope() { skin::SetSkinTempFolder({}); }
  const std::filesystem::path& Path() const { return folder_.Path(); }

 private:
  package_test::TTempFolder folder_;
};

}  // namespace skin_test

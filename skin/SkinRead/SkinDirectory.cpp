#include "skin/SkinRead/SkinDirectory.h"

#include <set>
#include <system_error>

#include "skin/SkinRead/SkinReader.h"
#include "skin/SkinRead/FileBytes.h"
#include "skin/codec/LzhEncoder.h"
#include "skin/SkinRead/PackageNames.h"

namespace skin {

namespace fs = std::filesystem;

std::string NameOf(const fs::path& path) {
  const std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

fs::path PathOf(const fs::path& folder, const std::string& utf8Name) {
  return folder / fs::path(std::u8string(utf8Name.begin(), utf8Name.end()));
}

namespace {

void CheckWhole(TSkinSource& source) {
  std::size_t definitions = 0;
  std::uint64_t total = kPackageHeaderSize;
  for (const TPackageFile& file : source.Files) {
    if (IsDefinitionName(file.Name)) ++definitions;
    total += file.Name.size() + 2 + 4 + file.Data.size();
  }
  if (definitions == 0) source.Errors.push_back("no definition (.ini) file");
  if (definitions > 1) source.Errors.push_back("more than one definition (.ini) file");
  if (source.Files.size() > kMaxSkinFiles)
    source.Errors.push_back("more than " + std::to_string(kMaxSkinFiles) + " files");
  if (total > kMaxPackageSize) source.Errors.push_back("the package would exceed 64 MiB");
}

}  // namespace

TSkinSource ReadSkinDirectory(const fs::path& folder) {
  TSkinSource source;
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    source.Errors.push_back(folder.string() + ": not a folder");
    return source;
  }
  std::set<std::string> seen;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = NameOf(entry.path());
    if (!entry.is_regular_file(error)) {
      source.Notes.push_back(name + ": left out, not a file");
      continue;
    }
    if (!IsBitmapName(name) && !IsDefinitionName(name)) {
      source.Notes.push_back(name + ": left out, only .bmp and .ini files are packed");
      continue;
    }
    if (const std::string problem = NameProblem(name); !problem.empty()) {
      source.Errors.push_back(name + ": " + problem);
      continue;
    }
    if (!seen.insert(LowerAscii(name)).second) {
      source.Errors.push_back(name + ": differs from another file's name only in case");
      continue;
    }
    TPackageFile file{name, {}};
    if (!ReadFileBytes(entry.path(), file.Data)) {
      source.Errors.push_back(name + ": cannot be read");
      continue;
    }
    source.Files.push_back(std::move(file));
  }
  if (error) source.Errors.push_back(folder.string() + ": " + error.message());
  OrderForPackage(source.Files);
  CheckWhole(source);
  return source;
}

std::vector<std::uint8_t> StoredSkinOf(const TSkinSource& source) {
  return EncodeStored(WritePackage(source.Files));
}

}  // namespace skin

#include "skin/SkinRead/PackageWriter.h"

#include <algorithm>

#include "skin/SkinRead/SkinReader.h"
#include "skin/SkinRead/PackageNames.h"

namespace skin {

namespace {

void PutUInt32LE(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(value >> shift));
}

}  // namespace

void OrderForPackage(std::vector<TPackageFile>& files) {
  const auto rank = [](const TPackageFile& file) {
    return IsDefinitionName(file.Name) ? 2 : IsBitmapName(file.Name) ? 0 : 1;
  };
  std::stable_sort(files.begin(), files.end(), [&](const TPackageFile& a, const TPackageFile& b) {
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    return rank(a) == 0 && LowerAscii(a.Name) < LowerAscii(b.Name);
  });
}

std::vector<std::uint8_t> WritePackage(const std::vector<TPackageFile>& files, std::uint32_t version) {
  std::string names;
  for (const TPackageFile& file : files) names += file.Name + "\r\n";
  std::vector<std::uint8_t> out;
  PutUInt32LE(out, version);
  PutUInt32LE(out, std::uint32_t(names.size()));
  PutUInt32LE(out, 0);
  PutUInt32LE(out, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const TPackageFile& file : files) PutUInt32LE(out, std::uint32_t(file.Data.size()));
  for (const TPackageFile& file : files) out.insert(out.end(), file.Data.begin(), file.Data.end());
  return out;
}

}  // namespace skin

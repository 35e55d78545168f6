#include "gallery/BuiltInSkins.h"

#include <windows.h>

#include <array>

namespace gallery {

namespace {

// RCDATA resources in the SkinStream form (a 4-byte count, then the stored
// skin), as the frame's SkinData1 reads the first of them. The menu names
// each skin by the name its definition gives.
constexpr std::array kBuiltInSkins{
    L"SKINDATA1",
};

constexpr std::size_t kCountSize = 4;

}  // namespace

std::size_t BuiltInSkinCount() { return kBuiltInSkins.size(); }

std::vector<std::uint8_t> BuiltInSkin(std::size_t index) {
  HRSRC found = FindResourceW(nullptr, kBuiltInSkins.at(index), reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!found) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
  const DWORD size = SizeofResource(nullptr, found);
  if (!bytes || size <= kCountSize) return {};
  return std::vector<std::uint8_t>(bytes + kCountSize, bytes + size);
}

}  // namespace gallery

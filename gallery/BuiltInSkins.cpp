#include "gallery/BuiltInSkins.h"

#include <windows.h>

#include <array>

namespace gallery {

namespace {

// RCDATA resources holding stored skins as skinpack writes them, packed at
// build time from assets/skin and assets/skins; the first is the one the
// frame's SkinData1 starts with. The menu names each skin by the name its
// definition gives.
constexpr std::array kBuiltInSkins{
    L"TAVRINSKIN",
    L"TAVRINSKIN_JADE",
    L"TAVRINSKIN_NIGHT",
};

}  // namespace

std::size_t BuiltInSkinCount() { return kBuiltInSkins.size(); }

std::vector<std::uint8_t> BuiltInSkin(std::size_t index) {
  HRSRC found = FindResourceW(nullptr, kBuiltInSkins.at(index), reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!found) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
  const DWORD size = SizeofResource(nullptr, found);
  if (!bytes || size == 0) return {};
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace gallery

// The skins built into the gallery, in one table (BuiltInSkins.cpp): each a
// stored skin in the program's resources, packed at build time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gallery {

std::size_t BuiltInSkinCount();
// The skins the gallery takes while it follows the system's app mode.
inline constexpr std::size_t kLightBuiltInSkin = 0;  // our first skin
inline constexpr std::size_t kDarkBuiltInSkin = 2;   // Night Ink
// The stored skin (size + LZH package) of entry `index`; empty when the
// resource is missing.
std::vector<std::uint8_t> BuiltInSkin(std::size_t index);

}  // namespace gallery

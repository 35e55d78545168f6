// The skins built into the gallery, in one table (BuiltInSkins.cpp): each a
// stored skin in the program's resources, packed at build time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gallery {

std::size_t BuiltInSkinCount();
// The stored skin (size + LZH package) of entry `index`; empty when the
// resource is missing.
std::vector<std::uint8_t> BuiltInSkin(std::size_t index);

}  // namespace gallery

// The LZHUF encoder: packs skin folders, for the authoring tool and for
// programs that open a skin folder as it is.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace skin {

// The bare bit stream: decoding it with the size of `data` gives `data` back.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data);

// The stored-skin form: the size as 4 bytes little-endian, then the bit
// stream. Throws std::length_error for data of 4 GiB or more.
std::vector<std::uint8_t> EncodeStored(std::span<const std::uint8_t> data);

}  // namespace skin

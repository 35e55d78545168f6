// The LZHUF encoder of the skin authoring tool. The program itself only ever
// decodes; this lives in the tool and its tests.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace skinpack {

// The bare bit stream: decoding it with the size of `data` gives `data` back.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data);

// The stored-skin form: the size as 4 bytes little-endian, then the bit
// stream. Throws std::length_error for data of 4 GiB or more.
std::vector<std::uint8_t> EncodeStored(std::span<const std::uint8_t> data);

}  // namespace skinpack

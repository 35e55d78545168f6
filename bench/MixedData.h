// A deterministic mix of the data kinds a skin package holds and more: text,
// bitmap-like rows, random bytes and long repetitive runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bench {

std::vector<std::uint8_t> MixedData(std::size_t size);

}  // namespace bench

// A plain LZHUF decoder, written the straightforward way: one callback per
// input byte and per output byte, a 16-bit bit buffer, its own tree code.
// It is the yardstick of the codec benchmark and an independent second opinion
// in the codec tests; the program never uses it.
#pragma once

#include <cstdint>

#include "skin/codec/LZH.h"

namespace bench {

class TReferenceLZH {
 public:
  void Decode(std::uint32_t size, const skin::TLZHReadFunc& read, const skin::TLZHWriteFunc& write);
};

}  // namespace bench

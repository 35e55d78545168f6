// TLZH: decoder of the LZHUF streams that stored skins are made of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>

namespace skin {

// The only exception of the codec: its work areas could not be had.
class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
// Kept for callers that match on it; releasing the work areas cannot fail here.
inline constexpr const char* kLzhFreeErrorMessage = "LZH : Error freeing memory for dictionary tables";

// Fills `buffer` with up to `requested` input bytes; `actual` < `requested` only at the end.
using TLZHReadFunc = std::function<void(std::uint8_t* buffer, std::size_t requested, std::size_t& actual)>;
// Appends `count` bytes to the output; `actual` < `count` stops decoding.
using TLZHWriteFunc =
    std::function<void(const std::uint8_t* buffer, std::size_t count, std::size_t& actual)>;

enum class TLZHResult {
  Done,           // `size` bytes produced from real input
  InputRanOut,    // the stream was shorter than the bits it needed (missing bytes read as zero)
  OutputRefused,  // the write function took fewer bytes than offered
};

class TLZH {
 public:
  // When true, decoding stops as soon as it needs a bit beyond the input,
  // instead of reading zeros until `size` bytes exist. A truncated stream then
  // costs no more than its own length, whatever size it claims.
  bool StopAtInputEnd = false;

  // Produces at least `size` bytes: a final match is written whole, so up to
  // 59 bytes more may follow; only the first `size` bytes are meaningful.
  // Input and output pass through the callbacks in blocks.
  TLZHResult Decode(std::uint32_t size, const TLZHReadFunc& read, const TLZHWriteFunc& write);
};

}  // namespace skin

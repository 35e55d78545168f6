// The fixed prefix code for the upper 6 bits of a match position. Indexed by
// the first byte read for a position: the upper bits it stands for, and how
// many bits of that byte the code really uses.
#pragma once

#include <array>
#include <cstdint>

namespace skin::lzh {

struct TPositionCode {
  std::array<std::uint8_t, 256> Upper{};    // upper 6 bits of the position
  std::array<std::uint8_t, 256> Length{};   // code length in bits (3..8)
};

// Runs of the code: codes [first, first + count) use `bits` bits each and so
// cover 2^(8 - bits) first-byte values each.
constexpr TPositionCode MakePositionCode() {
  struct Run { int first, count, bits; };
  constexpr Run runs[] = {{0, 1, 3}, {1, 3, 4}, {4, 8, 5}, {12, 12, 6}, {24, 24, 7}, {48, 16, 8}};
  TPositionCode table;
  int byte = 0;
  for (const Run& run : runs) {
    for (int code = run.first; code < run.first + run.count; ++code) {
      for (int k = 0; k < (1 << (8 - run.bits)); ++k, ++byte) {
        table.Upper[byte] = std::uint8_t(code);
        table.Length[byte] = std::uint8_t(run.bits);
      }
    }
  }
  return table;
}

inline constexpr TPositionCode kPositionCode = MakePositionCode();

}  // namespace skin::lzh

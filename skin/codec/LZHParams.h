// Parameters of the LZHUF scheme used by stored skins. Changing any of them
// makes every existing stored skin unreadable.
#pragma once

namespace skin::lzh {

inline constexpr int kN = 4096;                        // ring buffer size
inline constexpr int kRingMask = kN - 1;
inline constexpr int kF = 60;                          // longest match
inline constexpr int kThreshold = 2;                   // matches code lengths 3..kF
inline constexpr int kNChar = 256 - kThreshold + kF;   // literals and match lengths: 314
inline constexpr int kT = 2 * kNChar - 1;              // nodes of the Huffman tree: 627
inline constexpr int kR = kT - 1;                      // root node
inline constexpr unsigned kMaxFreq = 0x8000;           // root frequency that forces a rebuild
inline constexpr int kRingStart = kN - kF;             // first write index; bytes before it are spaces
inline constexpr unsigned char kRingFill = ' ';
inline constexpr int kMatchBase = 256 - kThreshold - 1;  // symbol - kMatchBase = match length

}  // namespace skin::lzh

// The adaptive Huffman tree of literals and match lengths. The decoder and the
// packing tool's encoder must grow and rebuild it identically, symbol by
// symbol, so both use this one class.
#pragma once

#include <array>
#include <cstdint>

#include "skin/codec/LZHParams.h"

namespace skin::lzh {

class TLZHTree {
 public:
  TLZHTree() { Start(); }

  void Start();

  // Counts one more occurrence of `symbol`; keeps the nodes ordered by frequency.
  void Update(int symbol);

  // Children of an internal node are son, son + 1; a value >= kT is a leaf
  // holding the symbol value - kT.
  int Son(int node) const { return son_[node]; }
  int Parent(int node) const { return prnt_[node]; }
  int LeafOf(int symbol) const { return prnt_[symbol + kT]; }
  unsigned RootFrequency() const { return freq_[kR]; }

 private:
  void Rebuild();
  void SetParentsOf(int node, int parent) {
    const int child = son_[node];
    prnt_[child] = std::uint16_t(parent);
    if (child < kT) prnt_[child + 1] = std::uint16_t(parent);
  }

  std::array<std::uint16_t, kT + 1> freq_{};      // the last entry is a sentinel
  std::array<std::uint16_t, kT + kNChar> prnt_{};  // entries from kT on map symbols to leaves
  std::array<std::uint16_t, kT> son_{};
};

// Hot path of both coders: kept inline.
inline void TLZHTree::Update(int symbol) {
  if (freq_[kR] == kMaxFreq) Rebuild();
  int c = prnt_[symbol + kT];
  do {
    const unsigned count = ++freq_[c];
    if (count > freq_[c + 1]) {
      // Move the node behind the last one of a lower count (the sentinel stops the search).
      int l = c + 1;
      while (count > freq_[l + 1]) ++l;
      freq_[c] = freq_[l];
      freq_[l] = std::uint16_t(count);
      const std::uint16_t sonC = son_[c];
      son_[c] = son_[l];
      son_[l] = sonC;
      SetParentsOf(l, l);
      SetParentsOf(c, c);
      c = l;
    }
    c = prnt_[c];
  } while (c != 0);
}

}  // namespace skin::lzh

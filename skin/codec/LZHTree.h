// The adaptive Huffman tree of literals and match lengths. The decoder and the
// packing tool's encoder must grow and rebuild it identically, symbol by
// symbol, so both use this one class.
//
// Nodes are positions 0..kR in order of frequency; kR is the root. Besides the
// classic links it keeps each position's grandparent and, for each child
// position, the two positions below it, so that walks up (counting) and down
// (decoding) take two levels per memory access.
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

  // Children of an internal node are Son, Son + 1; a value >= kT is a leaf
  // holding the symbol value - kT.
  int Son(int node) const { return son_[node]; }
  // Son(Son(node) + bit), meaningful when Son(node) is not a leaf.
  int Grandson(int node, unsigned bit) const { return grandson_[2 * node + bit]; }
  int Parent(int node) const { return prnt_[node]; }
  int LeafOf(int symbol) const { return prnt_[symbol + kT]; }
  unsigned RootFrequency() const { return freq_[kR]; }

 private:
  void Rebuild();
  void LinkAll();
  int Bump(int node);
  void Adopt(int node);

  std::array<std::uint16_t, kT + 1> freq_{};       // the last entry is a sentinel
  std::array<std::uint16_t, kT + kNChar> prnt_{};  // entries from kT on map symbols to leaves
  std::array<std::uint16_t, kT> son_{};
  std::array<std::uint16_t, kT> grandparent_{};    // 0 for the root and its children
  std::array<std::uint16_t, 2 * kT> grandson_{};
};

// The links of whatever now sits at `node`: its children (and grandchildren)
// hang below it, and its parent's downward lookup passes through it.
inline void TLZHTree::Adopt(int node) {
  const int child = son_[node];
  const int up = prnt_[node];
  grandson_[2 * up + (node & 1)] = std::uint16_t(child);
  prnt_[child] = std::uint16_t(node);
  if (child >= kT) return;
  prnt_[child + 1] = std::uint16_t(node);
  grandparent_[child] = grandparent_[child + 1] = std::uint16_t(up);
  grandson_[2 * node] = son_[child];
  grandson_[2 * node + 1] = son_[child + 1];
  for (int k = child; k <= child + 1; ++k) {
    const int grandchild = son_[k];
    if (grandchild < kT) grandparent_[grandchild] = grandparent_[grandchild + 1] = std::uint16_t(node);
  }
}

// One more count at `node`. A node that would pass others of its old count
// first swaps places (and subtrees) with the last of them. Returns where the
// count now lives.
inline int TLZHTree::Bump(int node) {
  const unsigned count = ++freq_[node];
  if (count <= freq_[node + 1]) return node;
  int last = node + 1;
  while (count > freq_[last + 1]) ++last;  // the sentinel stops the search
  freq_[node] = freq_[last];
  freq_[last] = std::uint16_t(count);
  const std::uint16_t moved = son_[node];
  son_[node] = son_[last];
  son_[last] = moved;
  Adopt(node);
  Adopt(last);
  return last;
}

// Hot path of both coders: kept inline. Walks from the leaf to the root two
// levels at a time; a node's parent and grandparent are fetched together.
inline void TLZHTree::Update(int symbol) {
  if (freq_[kR] == kMaxFreq) Rebuild();
  int node = prnt_[symbol + kT];
  for (;;) {
    node = Bump(node);
    int grandparent = grandparent_[node];
    const int parent = prnt_[node];
    if (parent == 0) return;  // node is the root
    if (const int moved = Bump(parent); moved != parent) grandparent = prnt_[moved];
    if (grandparent == 0) return;
    node = grandparent;
  }
}

}  // namespace skin::lzh

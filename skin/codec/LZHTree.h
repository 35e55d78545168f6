// The adaptive Huffman tree of literals and match lengths. The decoder and the
// packing tool's encoder must grow and rebuild it identically, symbol by
// symbol, so both use this one class.
//
// Nodes are positions 0..kR in order of frequency; kR is the root. Besides the
// classic links it keeps each node's grandparent and grandsons, so that walks
// up (counting) and down (decoding) take two levels per memory access.
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
  void Update(int symbol) { UpdateFrom(symbol, LeafOf(symbol)); }
  // The same, for a decoder that has just found the symbol at `leaf`.
  void UpdateFrom(int symbol, int leaf);

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
  int MoveUp(int node, unsigned count);
  int LastBelow(int node, unsigned count) const;
  void Adopt(int node);

  // Counts; the entries from kT on are sentinels, eight so that a search may
  // read eight counts at a time.
  std::array<std::uint16_t, kT + 8> freq_{};
  std::array<std::uint16_t, kT + kNChar> prnt_{};  // entries from kT on map symbols to leaves
  std::array<std::uint16_t, kT> son_{};
  std::array<std::uint16_t, kT> grandparent_{};    // 0 for the root and its children
  std::array<std::uint16_t, 2 * kT> grandson_{};
};

// One more count at `node`. Returns where the count now lives: `node`, or
// the place it moved to when it passed others of its old count.
inline int TLZHTree::Bump(int node) {
  const unsigned count = ++freq_[node];
  if (count <= freq_[node + 1]) return node;
  return MoveUp(node, count);
}

// Hot path of both coders: kept inline. Walks from the leaf to the root two
// levels at a time; a node's parent and grandparent are fetched together.
inline void TLZHTree::UpdateFrom(int symbol, int leaf) {
  if (freq_[kR] == kMaxFreq) {
    Rebuild();
    leaf = LeafOf(symbol);
  }
  // Leaves pass their equals far more often than inner nodes do: their own
  // call site keeps the branches of both predictable.
  int node = Bump(leaf);
  for (;;) {
    int grandparent = grandparent_[node];
    const int parent = prnt_[node];
    if (parent == 0) return;  // node is the root
    if (const int moved = Bump(parent); moved != parent) grandparent = prnt_[moved];
    if (grandparent == 0) return;
    node = Bump(grandparent);
  }
}

}  // namespace skin::lzh

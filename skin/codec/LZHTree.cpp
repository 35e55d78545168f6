#include "skin/codec/LZHTree.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TAVRIN_LZH_SSE2 1
#endif

namespace skin::lzh {

void TLZHTree::Start() {
  for (int i = 0; i < kNChar; ++i) {
    freq_[i] = 1;
    son_[i] = std::uint16_t(i + kT);
  }
  for (int i = 0, j = kNChar; j <= kR; i += 2, ++j) {
    freq_[j] = std::uint16_t(freq_[i] + freq_[i + 1]);
    son_[j] = std::uint16_t(i);
  }
  std::fill(freq_.begin() + kT, freq_.end(), std::uint16_t(0xFFFF));
  LinkAll();
}

// Halves every count (rounding up) and builds the tree again from the leaves,
// so that counts never overflow 16 bits.
void TLZHTree::Rebuild() {
  int leaves = 0;
  for (int i = 0; i < kT; ++i) {
    if (son_[i] >= kT) {
      freq_[leaves] = std::uint16_t((freq_[i] + 1) / 2);
      son_[leaves] = son_[i];
      ++leaves;
    }
  }
  for (int i = 0, j = kNChar; j < kT; i += 2, ++j) {
    const unsigned f = unsigned(freq_[i]) + freq_[i + 1];
    int k = j - 1;
    while (f < freq_[k]) --k;
    ++k;
    std::copy_backward(freq_.begin() + k, freq_.begin() + j, freq_.begin() + j + 1);
    std::copy_backward(son_.begin() + k, son_.begin() + j, son_.begin() + j + 1);
    freq_[k] = std::uint16_t(f);
    son_[k] = std::uint16_t(i);
  }
  LinkAll();
}

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

// The last node from `node` on whose count is below `count`; `node` itself
// is. Counts rise from node to node, and the sentinels end every search.
int TLZHTree::LastBelow(int node, unsigned count) const {
#ifdef TAVRIN_LZH_SSE2
  // Eight counts at a time; the bias turns the unsigned comparison into a signed one.
  const __m128i bias = _mm_set1_epi16(std::int16_t(0x8000));
  const __m128i limit = _mm_xor_si128(_mm_set1_epi16(std::int16_t(count)), bias);
  for (;;) {
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq_[node + 1]));
    const auto below = unsigned(_mm_movemask_epi8(_mm_cmplt_epi16(_mm_xor_si128(next, bias), limit)));
    if (below != 0xFFFF) return node + std::countr_one(below) / 2;
    node += 8;
  }
#else
  while (count > freq_[node + 1]) ++node;
  return node;
#endif
}

// A node whose count now exceeds the next node's swaps places (and subtrees)
// with the last node of its old count, keeping the nodes in order.
int TLZHTree::MoveUp(int node, unsigned count) {
  const int last = LastBelow(node + 1, count);
  freq_[node] = freq_[last];
  freq_[last] = std::uint16_t(count);
  const std::uint16_t moved = son_[node];
  son_[node] = son_[last];
  son_[last] = moved;
  Adopt(node);
  Adopt(last);
  return last;
}

// Every link derived from `son_`: parents first, then what builds on them.
void TLZHTree::LinkAll() {
  prnt_[kR] = 0;
  for (int i = 0; i < kT; ++i) {
    const int child = son_[i];
    prnt_[child] = std::uint16_t(i);
    if (child < kT) prnt_[child + 1] = std::uint16_t(i);
  }
  for (int i = 0; i < kT; ++i) {
    grandparent_[i] = i == kR ? 0 : prnt_[prnt_[i]];
    const int child = son_[i];
    grandson_[2 * i] = child < kT ? son_[child] : 0;
    grandson_[2 * i + 1] = child < kT ? son_[child + 1] : 0;
  }
}

}  // namespace skin::lzh

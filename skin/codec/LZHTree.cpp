#include "skin/codec/LZHTree.h"

#include <algorithm>

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
  freq_[kT] = 0xFFFF;
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

#include "skin/codec/LzhEncoder.h"

#include <array>
#include <memory>
#include <stdexcept>

#include "skin/codec/LZHParams.h"
#include "skin/codec/LZHPositionCode.h"
#include "skin/codec/LZHTree.h"

namespace skin {

using namespace lzh;

namespace {

class TBitOutput {
 public:
  explicit TBitOutput(std::vector<std::uint8_t>& out) : out_(out) {}

  // Appends the `count` low bits of `bits`, most significant first.
  void Put(unsigned bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      byte_ = std::uint8_t(byte_ << 1 | ((bits >> i) & 1));
      if (++held_ == 8) {
        out_.push_back(byte_);
        held_ = 0;
      }
    }
  }

  void Finish() {
    if (held_ > 0) out_.push_back(std::uint8_t(byte_ << (8 - held_)));
    held_ = 0;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint8_t byte_ = 0;
  int held_ = 0;
};

// Inverse of the decoder's first-byte table: the code of each upper-6-bit value.
struct TPositionEncoding {
  std::array<std::uint8_t, 64> firstByte{};
  std::array<std::uint8_t, 64> length{};
  TPositionEncoding() {
    for (int byte = 255; byte >= 0; --byte) {
      firstByte[kPositionCode.Upper[byte]] = std::uint8_t(byte);
      length[kPositionCode.Upper[byte]] = kPositionCode.Length[byte];
    }
  }
};

constexpr int kNil = kN;

// Finds the longest earlier match in the ring buffer with binary search trees
// keyed on the string at each position (one tree per first byte).
class TMatchFinder {
 public:
  std::array<std::uint8_t, kN + kF - 1> text{};
  int matchLength = 0;
  int matchPosition = 0;  // distance - 1

  TMatchFinder() {
    for (int i = kN + 1; i <= kN + 256; ++i) rson_[i] = kNil;
    for (int i = 0; i < kN; ++i) dad_[i] = kNil;
  }

  void Insert(int r) {
    const std::uint8_t* key = &text[r];
    int cmp = 1;
    int p = kN + 1 + key[0];
    rson_[r] = lson_[r] = kNil;
    matchLength = 0;
    for (;;) {
      int& next = cmp >= 0 ? rson_[p] : lson_[p];
      if (next == kNil) {
        next = r;
        dad_[r] = p;
        return;
      }
      p = next;
      int i = 1;
      for (; i < kF; ++i) {
        cmp = int(key[i]) - int(text[p + i]);
        if (cmp != 0) break;
      }
      if (i > kThreshold) {
        const int position = ((r - p) & kRingMask) - 1;
        if (i > matchLength) {
          matchPosition = position;
          matchLength = i;
          if (matchLength >= kF) break;
        } else if (i == matchLength && position < matchPosition) {
          matchPosition = position;
        }
      }
    }
    // A full-length match: r takes p's place in the tree.
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    ReplaceChild(p, r);
    dad_[p] = kNil;
  }

  void Delete(int p) {
    if (dad_[p] == kNil) return;
    int q;
    if (rson_[p] == kNil) {
      q = lson_[p];
    } else if (lson_[p] == kNil) {
      q = rson_[p];
    } else {
      q = lson_[p];
      if (rson_[q] != kNil) {
        do q = rson_[q];
        while (rson_[q] != kNil);
        rson_[dad_[q]] = lson_[q];
        dad_[lson_[q]] = dad_[q];
        lson_[q] = lson_[p];
        dad_[lson_[p]] = q;
      }
      rson_[q] = rson_[p];
      dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    ReplaceChild(p, q);
    dad_[p] = kNil;
  }

 private:
  void ReplaceChild(int old, int replacement) {
    if (rson_[dad_[old]] == old)
      rson_[dad_[old]] = replacement;
    else
      lson_[dad_[old]] = replacement;
  }

  std::array<int, kN + 1> lson_{};
  std::array<int, kN + 257> rson_{};
  std::array<int, kN + 1> dad_{};
};

class TEncoder {
 public:
  explicit TEncoder(std::vector<std::uint8_t>& out) : bits_(out) {}

  void Run(std::span<const std::uint8_t> data);

 private:
  // The code of a symbol is the path from the root to its leaf; the tree may
  // grow deeper than 16 levels, so the path is collected whole.
  void PutSymbol(int symbol) {
    std::array<std::uint8_t, kT> path;
    int depth = 0;
    for (int node = tree_.LeafOf(symbol); node != kR; node = tree_.Parent(node)) path[depth++] = node & 1;
    while (depth > 0) bits_.Put(path[--depth], 1);
    tree_.Update(symbol);
  }

  void PutPosition(int position) {
    const int upper = position >> 6;
    const int length = positions_.length[upper];
    bits_.Put(positions_.firstByte[upper] >> (8 - length), length);
    bits_.Put(unsigned(position) & 0x3F, 6);
  }

  TBitOutput bits_;
  TLZHTree tree_;
  TPositionEncoding positions_;
  std::unique_ptr<TMatchFinder> finder_ = std::make_unique<TMatchFinder>();
};

void TEncoder::Run(std::span<const std::uint8_t> data) {
  TMatchFinder& m = *finder_;
  std::size_t next = 0;
  auto more = [&] { return next < data.size(); };
  int s = 0;
  int r = kRingStart;
  for (int i = s; i < r; ++i) m.text[i] = kRingFill;
  int len = 0;
  for (; len < kF && more(); ++len) m.text[r + len] = data[next++];
  if (len == 0) return;
  for (int i = 1; i <= kF; ++i) m.Insert(r - i);
  m.Insert(r);
  do {
    if (m.matchLength > len) m.matchLength = len;
    if (m.matchLength <= kThreshold) {
      m.matchLength = 1;
      PutSymbol(m.text[r]);
    } else {
      PutSymbol(kMatchBase + m.matchLength);
      PutPosition(m.matchPosition);
    }
    const int lastMatchLength = m.matchLength;
    int i = 0;
    for (; i < lastMatchLength && more(); ++i) {
      const std::uint8_t c = data[next++];
      m.Delete(s);
      m.text[s] = c;
      if (s < kF - 1) m.text[s + kN] = c;  // mirror so that comparisons need no wrap
      s = (s + 1) & kRingMask;
      r = (r + 1) & kRingMask;
      m.Insert(r);
    }
    for (; i < lastMatchLength; ++i) {
      m.Delete(s);
      s = (s + 1) & kRingMask;
      r = (r + 1) & kRingMask;
      if (--len > 0) m.Insert(r);
    }
  } while (len > 0);
  bits_.Finish();
}

}  // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out;
  out.reserve(data.size() / 2 + 16);
  TEncoder(out).Run(data);
  return out;
}

std::vector<std::uint8_t> EncodeStored(std::span<const std::uint8_t> data) {
  if (data.size() > 0xFFFFFFFFu) throw std::length_error("data of 4 GiB or more cannot be stored");
  const auto size = std::uint32_t(data.size());
  std::vector<std::uint8_t> stored = {std::uint8_t(size), std::uint8_t(size >> 8), std::uint8_t(size >> 16),
                                      std::uint8_t(size >> 24)};
  const std::vector<std::uint8_t> stream = LzhEncode(data);
  stored.insert(stored.end(), stream.begin(), stream.end());
  return stored;
}

}  // namespace skin

#include "skin/codec/LZH.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "skin/codec/LZHParams.h"
#include "skin/codec/LZHPositionCode.h"
#include "skin/codec/LZHTree.h"

namespace skin {

using namespace lzh;

namespace {

constexpr std::size_t kInputBlock = 16 * 1024;
constexpr std::size_t kOutputBlock = 64 * 1024;

// Fills `block` from the input; a short read marks the end of the input.
std::size_t ReadBlock(const TLZHReadFunc& read, std::uint8_t* block) {
  std::size_t got = 0;
  read(block, kInputBlock, got);
  return got < kInputBlock ? got : kInputBlock;
}

// Most significant bit first, 64 bits buffered so that a whole position code
// can be taken in one step. Input missing at the end reads as zero bits.
class TBitInput {
 public:
  TBitInput(const TLZHReadFunc& read, std::uint8_t* block) : read_(read), block_(block) {}

  // The next `count` bits (at most 56) without taking them.
  unsigned Peek(int count) {
    if (held_ < count) Refill();
    return unsigned(bits_ >> (64 - count));
  }

  void Skip(int count) {
    bits_ <<= count;
    held_ -= count;
  }

  // True once a bit beyond the real input has been taken.
  bool RanOut() const { return ended_ && added_ - std::uint64_t(held_) > realBits_; }

 private:
  void Refill() {
    while (held_ <= 56) {
      if (next_ == end_ && !ended_) {
        const std::size_t got = ReadBlock(read_, block_);
        next_ = block_;
        end_ = block_ + got;
        ended_ = got < kInputBlock;
      }
      std::uint64_t byte = 0;
      if (next_ != end_) {
        byte = *next_++;
        realBits_ += 8;
      }
      bits_ |= byte << (56 - held_);
      held_ += 8;
      added_ += 8;
    }
  }

  const TLZHReadFunc& read_;
  std::uint8_t* const block_;
  const std::uint8_t* next_ = nullptr;
  const std::uint8_t* end_ = nullptr;
  bool ended_ = false;
  std::uint64_t bits_ = 0;
  int held_ = 0;
  std::uint64_t added_ = 0;
  std::uint64_t realBits_ = 0;
};

// Hands the decoded bytes in [block, end) to the caller.
bool Flush(const TLZHWriteFunc& write, const std::uint8_t* block, const std::uint8_t* end) {
  const auto count = std::size_t(end - block);
  if (count == 0) return true;
  std::size_t taken = 0;
  write(block, count, taken);
  return taken >= count;
}

// Copies a match within the ring and to `out`, with the result of copying
// byte by byte: a source that overlaps the bytes being written repeats them.
std::uint8_t* CopyMatch(std::uint8_t* ring, int& r, int from, int length, std::uint8_t* out) {
  const int distance = (r - from) & kRingMask;
  const bool wraps = r + length > kN || from + length > kN;
  if (!wraps && (distance == 0 || distance >= length)) {
    std::memmove(ring + r, ring + from, std::size_t(length));
  } else if (!wraps && distance == 1) {
    std::memset(ring + r, ring[from], std::size_t(length));
  } else {
    for (int k = 0; k < length; ++k) ring[(r + k) & kRingMask] = ring[(from + k) & kRingMask];
  }
  const int first = std::min(length, kN - r);
  std::memcpy(out, ring + r, std::size_t(first));
  std::memcpy(out + first, ring, std::size_t(length - first));
  r = (r + length) & kRingMask;
  return out + length;
}

// Everything Decode allocates, in one piece.
struct TWorkArea {
  TLZHTree tree;
  std::array<std::uint8_t, kN> ring;  // matches wrap explicitly, so no spill-over area
  std::array<std::uint8_t, kInputBlock> input;
  std::array<std::uint8_t, kOutputBlock> output;
};

std::unique_ptr<TWorkArea> AllocateWorkArea() {
  std::unique_ptr<TWorkArea> work(new (std::nothrow) TWorkArea);
  if (!work) throw ElzhException(kLzhNoMemoryMessage);
  return work;
}

// Two levels of the tree a step: the child and the grandchild that the next
// two bits lead to are fetched together.
int DecodeSymbol(TLZHTree& tree, TBitInput& in) {
  int node = tree.Son(kR);
  int leaf;
  for (;;) {
    const unsigned bits = in.Peek(2);
    const int first = node + int(bits >> 1);
    const int child = tree.Son(first);
    const int grandchild = tree.Grandson(first, bits & 1);
    if (child >= kT) {
      in.Skip(1);
      leaf = first;
      break;
    }
    in.Skip(2);
    if (grandchild >= kT) {
      leaf = child + int(bits & 1);
      break;
    }
    node = grandchild;
  }
  const int symbol = tree.Son(leaf) - kT;
  tree.UpdateFrom(symbol, leaf);
  return symbol;
}

// A position code is at most 8 + 6 bits: the first byte picks the upper six
// bits and the code's length; the six bits after the code are the lower ones.
int DecodePosition(TBitInput& in) {
  const unsigned word = in.Peek(14);
  const unsigned first = word >> 6;
  const int length = kPositionCode.Length[first];
  const unsigned lower = (word >> (8 - length)) & 0x3F;
  in.Skip(length + 6);
  return int(kPositionCode.Upper[first]) << 6 | int(lower);
}

}  // namespace

TLZHResult TLZH::Decode(std::uint32_t size, const TLZHReadFunc& read, const TLZHWriteFunc& write) {
  if (size == 0) return TLZHResult::Done;
  std::unique_ptr<TWorkArea> work = AllocateWorkArea();
  std::uint8_t* const ring = work->ring.data();
  std::fill(ring, ring + kRingStart, kRingFill);
  TBitInput in(read, work->input.data());
  std::uint8_t* const block = work->output.data();
  const std::uint8_t* const blockFull = block + (kOutputBlock - kF);  // past it a whole match may not fit
  std::uint8_t* out = block;
  int r = kRingStart;
  std::uint64_t produced = 0;
  while (produced < size) {
    if (out > blockFull) {
      if (!Flush(write, block, out)) return TLZHResult::OutputRefused;
      out = block;
    }
    const int symbol = DecodeSymbol(work->tree, in);
    if (symbol < 256) {
      ring[r] = std::uint8_t(symbol);
      *out++ = std::uint8_t(symbol);
      r = (r + 1) & kRingMask;
      ++produced;
    } else {
      const int length = symbol - kMatchBase;
      const int from = (r - DecodePosition(in) - 1) & kRingMask;
      out = CopyMatch(ring, r, from, length, out);
      produced += std::uint64_t(length);
    }
    if (StopAtInputEnd && in.RanOut()) break;
  }
  if (!Flush(write, block, out)) return TLZHResult::OutputRefused;
  return in.RanOut() ? TLZHResult::InputRanOut : TLZHResult::Done;
}

}  // namespace skin

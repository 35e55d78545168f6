#include "skin/codec/LZH.h"

#include <algorithm>
#include <array>
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

// Most significant bit first, 64 bits buffered so that a whole position code
// can be taken in one step. Input missing at the end reads as zero bits.
class TBitInput {
 public:
  TBitInput(const TLZHReadFunc& read, std::uint8_t* block) : read_(read), block_(block) {}

  unsigned Bit() {
    if (held_ == 0) Refill();
    const unsigned bit = unsigned(bits_ >> 63);
    bits_ <<= 1;
    --held_;
    return bit;
  }

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
  bool RanOut() const { return ended_ && taken() > realBits_; }

 private:
  std::uint64_t taken() const { return added_ - std::uint64_t(held_); }

  void Refill() {
    while (held_ <= 56) {
      if (next_ == end_ && !ended_) FillBlock();
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

  void FillBlock() {
    std::size_t got = 0;
    read_(block_, kInputBlock, got);
    if (got > kInputBlock) got = kInputBlock;
    next_ = block_;
    end_ = block_ + got;
    if (got < kInputBlock) ended_ = true;
  }

  const TLZHReadFunc& read_;
  std::uint8_t* block_;
  const std::uint8_t* next_ = nullptr;
  const std::uint8_t* end_ = nullptr;
  bool ended_ = false;
  std::uint64_t bits_ = 0;
  int held_ = 0;
  std::uint64_t added_ = 0;
  std::uint64_t realBits_ = 0;
};

class TByteOutput {
 public:
  TByteOutput(const TLZHWriteFunc& write, std::uint8_t* block) : write_(write), block_(block), next_(block) {}

  // Room for one whole match without a check per byte.
  bool Reserve() { return std::size_t(next_ - block_) + kF <= kOutputBlock || Flush(); }
  void Put(std::uint8_t byte) { *next_++ = byte; }

  bool Flush() {
    const std::size_t count = std::size_t(next_ - block_);
    next_ = block_;
    if (count == 0) return true;
    std::size_t taken = 0;
    write_(block_, count, taken);
    return taken >= count;
  }

 private:
  const TLZHWriteFunc& write_;
  std::uint8_t* block_;
  std::uint8_t* next_;
};

// Everything Decode allocates, in one piece.
struct TWorkArea {
  TLZHTree tree;
  std::array<std::uint8_t, kN + kF - 1> ring;
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
  int symbol;
  for (;;) {
    const unsigned bits = in.Peek(2);
    const int first = node + int(bits >> 1);
    const int child = tree.Son(first);
    const int grandchild = tree.Grandson(first, bits & 1);
    if (child >= kT) {
      in.Skip(1);
      symbol = child - kT;
      break;
    }
    in.Skip(2);
    if (grandchild >= kT) {
      symbol = grandchild - kT;
      break;
    }
    node = grandchild;
  }
  tree.Update(symbol);
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
  TByteOutput out(write, work->output.data());
  int r = kRingStart;
  std::uint64_t produced = 0;
  while (produced < size) {
    if (!out.Reserve()) return TLZHResult::OutputRefused;
    const int symbol = DecodeSymbol(work->tree, in);
    if (symbol < 256) {
      ring[r] = std::uint8_t(symbol);
      out.Put(std::uint8_t(symbol));
      r = (r + 1) & kRingMask;
      ++produced;
    } else {
      const int length = symbol - kMatchBase;
      int from = (r - DecodePosition(in) - 1) & kRingMask;
      for (int k = 0; k < length; ++k) {
        const std::uint8_t byte = ring[from];
        ring[r] = byte;
        out.Put(byte);
        from = (from + 1) & kRingMask;
        r = (r + 1) & kRingMask;
      }
      produced += std::uint64_t(length);
    }
    if (StopAtInputEnd && in.RanOut()) break;
  }
  if (!out.Flush()) return TLZHResult::OutputRefused;
  return in.RanOut() ? TLZHResult::InputRanOut : TLZHResult::Done;
}

}  // namespace skin

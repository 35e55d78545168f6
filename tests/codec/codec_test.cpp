// The LZH decoder against the tool's encoder and the plain reference decoder.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "codec/CodecTestSupport.h"
#include "skin/codec/LZHPositionCode.h"
#include "skin/codec/LZHTree.h"
#include "skin/codec/LzhEncoder.h"

namespace {

using namespace codec_test;
using skin::TLZHResult;

struct TSample {
  const char* kind;
  std::function<Bytes(std::size_t)> make;
};

const TSample kSamples[] = {
    {"text", TextBytes}, {"binary", BinaryBytes}, {"random", [](std::size_t n) { return RandomBytes(n); }},
    {"repetitive", RepetitiveBytes}};

const std::size_t kSizes[] = {0, 1, 2, 3, 59, 60, 61, 4095, 4097, 70000, 200000};

// Round trip: both decoders give back exactly what was encoded, and the fast
// one reports that the input sufficed.
TEST(LzhCodec, RoundTripsEveryKindAndSize) {
  for (const TSample& sample : kSamples) {
    for (std::size_t size : kSizes) {
      SCOPED_TRACE(std::string(sample.kind) + " of " + std::to_string(size) + " bytes");
      const Bytes data = sample.make(size);
      const Bytes stream = skin::LzhEncode(data);
      const TDecoded decoded = Decode(stream, std::uint32_t(size));
      EXPECT_EQ(decoded.result, TLZHResult::Done);
      EXPECT_TRUE(decoded.bytes == data);
      EXPECT_TRUE(DecodeWithReference(stream, std::uint32_t(size)) == data);
    }
  }
}

TEST(LzhCodec, SizeZeroReadsAndWritesNothing) {
  const TDecoded decoded = Decode(Bytes{0xAB, 0xCD}, 0);
  EXPECT_EQ(decoded.readCalls, 0u);
  EXPECT_TRUE(decoded.bytes.empty());
}

// The ring starts as spaces, so leading spaces cost one match, not 60 literals.
TEST(LzhCodec, MatchesReachIntoTheInitialSpaces) {
  const Bytes spaces(60, ' ');
  Bytes data = spaces;
  data.push_back('x');
  const Bytes stream = skin::LzhEncode(data);
  EXPECT_LE(stream.size(), 5u);
  EXPECT_TRUE(Decode(stream, std::uint32_t(data.size())).bytes == data);
  EXPECT_TRUE(DecodeWithReference(stream, std::uint32_t(data.size())) == data);
}

// Spot checks against the published first-byte table of the position code:
// both coders use this one table, so a slip here would go unnoticed by round trips.
TEST(LzhPositionCode, MatchesThePublishedTable) {
  const auto& code = skin::lzh::kPositionCode;
  const std::pair<int, int> upper[] = {{0x00, 0},  {0x1F, 0},  {0x20, 1},  {0x30, 2},  {0x4F, 3},  {0x50, 4},
                                       {0x58, 5},  {0x8F, 11}, {0x90, 12}, {0x94, 13}, {0xBF, 23}, {0xC0, 24},
                                       {0xC2, 25}, {0xEF, 47}, {0xF0, 48}, {0xFF, 63}};
  for (const auto& [byte, value] : upper) EXPECT_EQ(code.Upper[byte], value) << "byte " << byte;
  const std::pair<int, int> lengths[] = {{0x1F, 3}, {0x20, 4}, {0x4F, 4}, {0x50, 5}, {0x8F, 5}, {0x90, 6},
                                         {0xBF, 6}, {0xC0, 7}, {0xEF, 7}, {0xF0, 8}, {0xFF, 8}};
  for (const auto& [byte, bits] : lengths) EXPECT_EQ(code.Length[byte], bits) << "byte " << byte;
}

TEST(LzhTree, FirstRebuildComesWithSymbol32455) {
  skin::lzh::TLZHTree tree;
  EXPECT_EQ(tree.RootFrequency(), unsigned(skin::lzh::kNChar));
  for (int i = 0; i < 32454; ++i) tree.Update(i % 7);
  EXPECT_EQ(tree.RootFrequency(), skin::lzh::kMaxFreq);
  tree.Update(0);
  EXPECT_LT(tree.RootFrequency(), skin::lzh::kMaxFreq / 2 + 320);
}

// Far past several rebuilds: random literals, then long matches.
TEST(LzhCodec, StaysExactAcrossTreeRebuilds) {
  Bytes data = RandomBytes(40000, 3);
  const Bytes text = TextBytes(300000);
  data.insert(data.end(), text.begin(), text.end());
  const Bytes stream = skin::LzhEncode(data);
  EXPECT_TRUE(Decode(stream, std::uint32_t(data.size())).bytes == data);
  EXPECT_TRUE(DecodeWithReference(stream, std::uint32_t(data.size())) == data);
}

// Asked for fewer bytes than the last match holds, the decoder still writes
// the whole match, exactly as the plain decoder does.
TEST(LzhCodec, LastMatchIsWrittenWholePastTheSize) {
  Bytes data = {'x', 'y', 'z'};
  data.insert(data.end(), 100, 'q');  // 'q', a match of 60, then a match of 39
  const Bytes stream = skin::LzhEncode(data);
  const std::uint32_t size = std::uint32_t(data.size() - 20);
  const TDecoded decoded = Decode(stream, size);
  EXPECT_EQ(decoded.result, TLZHResult::Done);
  EXPECT_TRUE(decoded.bytes == data);
  EXPECT_TRUE(DecodeWithReference(stream, size) == data);
}

TEST(LzhCodec, TruncatedInputReadsAsZeroBitsOrStopsEarly) {
  const Bytes data = TextBytes(50000);
  Bytes stream = skin::LzhEncode(data);
  stream.resize(stream.size() / 2);
  const std::uint32_t size = std::uint32_t(data.size());

  const TDecoded padded = Decode(stream, size);
  EXPECT_EQ(padded.result, TLZHResult::InputRanOut);
  EXPECT_GE(padded.bytes.size(), size);
  EXPECT_TRUE(padded.bytes == DecodeWithReference(stream, size));

  const TDecoded stopped = Decode(stream, size, true);
  EXPECT_EQ(stopped.result, TLZHResult::InputRanOut);
  EXPECT_LT(stopped.bytes.size(), data.size());
  EXPECT_TRUE(std::equal(stopped.bytes.begin(), stopped.bytes.end() - 60, data.begin()));

  // A huge claimed size over no input at all ends at once.
  const TDecoded empty = Decode(Bytes{}, 0xFFFFFFFFu, true);
  EXPECT_EQ(empty.result, TLZHResult::InputRanOut);
  EXPECT_LE(empty.bytes.size(), 60u);
}

TEST(LzhCodec, OutputRefusalStopsDecoding) {
  const Bytes data = TextBytes(200000);
  const Bytes stream = skin::LzhEncode(data);
  std::size_t pos = 0, calls = 0, writes = 0;
  const auto refuse = [&writes](const std::uint8_t*, std::size_t count, std::size_t& actual) {
    ++writes;
    actual = count / 2;
  };
  skin::TLZH lzh;
  EXPECT_EQ(lzh.Decode(std::uint32_t(data.size()), ReaderOf(stream, pos, calls), refuse),
            TLZHResult::OutputRefused);
  EXPECT_EQ(writes, 1u);
}

}  // namespace

// Decoding helpers over plain byte vectors for the codec tests.
#pragma once

#include <algorithm>

#include "bench/ReferenceLZH.h"
#include "codec/CodecTestData.h"
#include "skin/codec/LZH.h"

namespace codec_test {

struct TDecoded {
  Bytes bytes;
  skin::TLZHResult result = skin::TLZHResult::Done;
  std::size_t readCalls = 0;
};

inline skin::TLZHReadFunc ReaderOf(const Bytes& input, std::size_t& pos, std::size_t& calls) {
  return [&input, &pos, &calls](std::uint8_t* buffer, std::size_t requested, std::size_t& actual) {
    ++calls;
    actual = std::min(requested, input.size() - pos);
    std::copy_n(input.begin() + std::ptrdiff_t(pos), actual, buffer);
    pos += actual;
  };
}

inline skin::TLZHWriteFunc WriterTo(Bytes& output) {
  return [&output](const std::uint8_t* buffer, std::size_t count, std::size_t& actual) {
    output.insert(output.end(), buffer, buffer + count);
    actual = count;
  };
}

inline TDecoded Decode(const Bytes& stream, std::uint32_t size, bool stopAtInputEnd = false) {
  TDecoded out;
  std::size_t pos = 0;
  skin::TLZH lzh;
  lzh.StopAtInputEnd = stopAtInputEnd;
  out.result = lzh.Decode(size, ReaderOf(stream, pos, out.readCalls), WriterTo(out.bytes));
  return out;
}

inline Bytes DecodeWithReference(const Bytes& stream, std::uint32_t size) {
  Bytes out;
  std::size_t pos = 0, calls = 0;
  bench::TReferenceLZH().Decode(size, ReaderOf(stream, pos, calls), WriterTo(out));
  return out;
}

}  // namespace codec_test

// Decoding speed of the program's LZH decoder next to the plain reference
// decoder, on the same streams in the same run (processor time).
//
//   codec_bench [--stored FILE] [--mixed-bytes N] [--min-seconds S]
//
// Build it with optimisation (a Release tree) for figures that mean anything.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/MixedData.h"
#include "bench/ReferenceLZH.h"
#include "skin/codec/LZH.h"
#include "skin/codec/LzhEncoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

struct TOptions {
  std::string stored;
  std::size_t mixedBytes = 20u * 1024 * 1024;
  double minSeconds = 2.0;
};

struct TStream {
  std::uint32_t size;  // decompressed size
  Bytes bits;          // the LZH stream after the size
};

// Decodes `stream` with one decoder through the same memory callbacks into
// `out`, whose memory is kept from run to run so that no run pays for fresh pages.
template <typename Decoder>
void DecodeInto(const TStream& stream, Bytes& out) {
  out.clear();
  out.reserve(stream.size + 64);
  std::size_t pos = 0;
  const skin::TLZHReadFunc read = [&](std::uint8_t* buffer, std::size_t requested, std::size_t& actual) {
    actual = std::min(requested, stream.bits.size() - pos);
    std::memcpy(buffer, stream.bits.data() + pos, actual);
    pos += actual;
  };
  const skin::TLZHWriteFunc write = [&](const std::uint8_t* buffer, std::size_t count, std::size_t& actual) {
    out.insert(out.end(), buffer, buffer + count);
    actual = count;
  };
  Decoder().Decode(stream.size, read, write);
  out.resize(stream.size);
}

// Processor time, not wall time: other work on a busy machine then barely
// moves the figures.
template <typename Decoder>
double Seconds(const TStream& stream, Bytes& out) {
  const std::clock_t start = std::clock();
  DecodeInto<Decoder>(stream, out);
  return double(std::clock() - start) / CLOCKS_PER_SEC;
}

struct TThroughput {
  double ours;
  double plain;
};

// Best of alternating runs, so that both decoders see the same machine load:
// MB/s (10^6 bytes per second) of decoded output.
TThroughput Throughputs(const TStream& stream, double minSeconds) {
  Bytes out;
  double ours = 1e300, plain = 1e300;
  const auto start = Clock::now();
  for (int round = 0; round < 3 || std::chrono::duration<double>(Clock::now() - start).count() < minSeconds; ++round) {
    ours = std::min(ours, Seconds<skin::TLZH>(stream, out));
    plain = std::min(plain, Seconds<bench::TReferenceLZH>(stream, out));
  }
  return {double(stream.size) / ours / 1e6, double(stream.size) / plain / 1e6};
}

// Compares both decoders' output (and the original, when known); prints one row.
bool Measure(const char* label, const TStream& stream, const Bytes* original, double minSeconds) {
  Bytes ours, plain;
  DecodeInto<skin::TLZH>(stream, ours);
  DecodeInto<bench::TReferenceLZH>(stream, plain);
  if (ours != plain || (original && ours != *original)) {
    std::printf("%-22s MISMATCH: the decoders disagree\n", label);
    return false;
  }
  const TThroughput speed = Throughputs(stream, minSeconds);
  std::printf("%-22s %10u %10zu %12.1f %12.1f %8.2fx\n", label, stream.size, stream.bits.size(), speed.ours,
              speed.plain, speed.ours / speed.plain);
  return true;
}

bool ReadFile(const std::string& path, Bytes& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return false;
    if (arg == "--stored")
      options.stored = argv[++i];
    else if (arg == "--mixed-bytes")
      options.mixedBytes = std::strtoull(argv[++i], nullptr, 10);
    else if (arg == "--min-seconds")
      options.minSeconds = std::strtod(argv[++i], nullptr);
    else
      return false;
  }
  return true;
}

void WarnAboutTheBuild() {
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
  std::printf("note: an unoptimised or sanitizer build; build codec_bench in a Release tree for real figures\n");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: codec_bench [--stored FILE] [--mixed-bytes N] [--min-seconds S]\n");
    return 2;
  }
  WarnAboutTheBuild();
  std::printf("%-22s %10s %10s %12s %12s %9s\n", "input", "decoded", "stream", "ours MB/s", "plain MB/s", "ratio");
  bool ok = true;
  if (options.stored.empty()) {
    std::printf("%-22s skipped: no --stored FILE given\n", "stored skin");
  } else {
    Bytes file;
    if (!ReadFile(options.stored, file) || file.size() < 4) {
      std::fprintf(stderr, "%s: cannot be read or shorter than 4 bytes\n", options.stored.c_str());
      return 1;
    }
    const TStream stream{std::uint32_t(file[0] | file[1] << 8 | file[2] << 16 | std::uint32_t(file[3]) << 24),
                         Bytes(file.begin() + 4, file.end())};
    ok = Measure("stored skin", stream, nullptr, options.minSeconds) && ok;
  }
  const Bytes mixed = bench::MixedData(options.mixedBytes);
  const Bytes stored = skin::EncodeStored(mixed);
  const TStream stream{std::uint32_t(mixed.size()), Bytes(stored.begin() + 4, stored.end())};
  const std::string label = "mixed (" + std::to_string(mixed.size()) + " B)";
  ok = Measure(label.c_str(), stream, &mixed, options.minSeconds) && ok;
  return ok ? 0 : 1;
}

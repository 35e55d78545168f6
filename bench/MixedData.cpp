#include "bench/MixedData.h"

#include <algorithm>
#include <string>

namespace bench {

namespace {

class TRandom {
 public:
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }

 private:
  std::uint32_t state_ = 12345;
};

void AppendText(std::vector<std::uint8_t>& out, std::size_t count, TRandom& random) {
  static const char* const words[] = {"[Personality]\r\n", "LeftWidth=", "TopHeight=", "frame ", "caption ",
                                      "MouseOverColour2=", "210 232 249\r\n", "button.bmp\r\n", "the ", "skin "};
  while (count > 0) {
    const std::string word = words[random.Next() % 10];
    const std::size_t n = std::min(count, word.size());
    out.insert(out.end(), word.begin(), word.begin() + std::ptrdiff_t(n));
    count -= n;
  }
}

// Rows of a gradient with a little noise, as in a 24-bit skin image.
void AppendBitmapRows(std::vector<std::uint8_t>& out, std::size_t count, TRandom& random) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t r = random.Next();
    out.push_back(r % 8 == 0 ? std::uint8_t(r >> 8) : std::uint8_t((i % 300) / 3 + (i / 900) % 40));
  }
}

void AppendRandom(std::vector<std::uint8_t>& out, std::size_t count, TRandom& random) {
  for (std::size_t i = 0; i < count; ++i) out.push_back(std::uint8_t(random.Next()));
}

void AppendRuns(std::vector<std::uint8_t>& out, std::size_t count, TRandom& random) {
  while (count > 0) {
    const std::size_t n = std::min<std::size_t>(count, 100 + random.Next() % 2000);
    out.insert(out.end(), n, std::uint8_t(random.Next() % 4 == 0 ? 0xFF : 0x00));
    count -= n;
  }
}

}  // namespace

std::vector<std::uint8_t> MixedData(std::size_t size) {
  constexpr std::size_t kSegment = 48 * 1024;
  std::vector<std::uint8_t> out;
  out.reserve(size);
  TRandom random;
  for (int kind = 0; out.size() < size; kind = (kind + 1) % 4) {
    const std::size_t n = std::min(kSegment, size - out.size());
    switch (kind) {
      case 0: AppendText(out, n, random); break;
      case 1: AppendBitmapRows(out, n, random); break;
      case 2: AppendRandom(out, n, random); break;
      default: AppendRuns(out, n, random); break;
    }
  }
  return out;
}

}  // namespace bench

// Deterministic sample data for the codec and package tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace codec_test {

using Bytes = std::vector<std::uint8_t>;

// Small linear congruential generator: the same bytes on every platform.
class TSampleRandom {
 public:
  explicit TSampleRandom(std::uint32_t seed) : state_(seed) {}
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }

 private:
  std::uint32_t state_;
};

inline Bytes RandomBytes(std::size_t size, std::uint32_t seed = 1) {
  TSampleRandom random(seed);
  Bytes out(size);
  for (auto& b : out) b = std::uint8_t(random.Next());
  return out;
}

inline Bytes TextBytes(std::size_t size) {
  static const char* const words[] = {"skin ", "frame ", "caption ", "button\r\n", "Left=", "top.bmp ",
                                      "[Personality]\r\n", "0x1F ", "colour ", "window "};
  TSampleRandom random(7);
  Bytes out;
  while (out.size() < size) {
    const std::string w = words[random.Next() % 10];
    out.insert(out.end(), w.begin(), w.end());
  }
  out.resize(size);
  return out;
}

// Bitmap-like rows: runs of a few colours with small noise.
inline Bytes BinaryBytes(std::size_t size) {
  TSampleRandom random(11);
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint32_t noise = random.Next();
    out[i] = (noise % 16 == 0) ? std::uint8_t(noise >> 8) : std::uint8_t((i / 3) % 7 * 33);
  }
  return out;
}

inline Bytes RepetitiveBytes(std::size_t size) {
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = std::uint8_t((i / 200) % 2 ? 'a' : 0xFF);
  return out;
}

}  // namespace codec_test

// Windows bitmap files (.bmp) read and written without any system call, so
// that skin images are validated the same way natively and on Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ui {

// Decoded image: top-down rows of 32-bit pixels, bytes B, G, R, A (A = 0).
struct DecodedBitmap {
  int Width = 0;
  int Height = 0;
  int SourceBitCount = 0;  // bits per pixel of the file (1, 4, 8, 16, 24 or 32)
  std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes
};

// Limits a decoded image so a hostile header cannot ask for absurd memory.
constexpr int kMaxBitmapSide = 16384;
constexpr std::uint64_t kMaxBitmapPixels = 16u * 1024 * 1024;

// Decodes a bitmap file (uncompressed 1/4/8/16/24/32 bits, BI_BITFIELDS for
// 16/32 bits, RLE4/RLE8). Returns nothing, with a reason, for malformed data.
std::optional<DecodedBitmap> DecodeBitmapFile(std::span<const std::uint8_t> file,
                                              std::string* error = nullptr);

// Encodes top-down 32-bit B, G, R, A pixels as a bottom-up file of 24 or 32 bits.
std::vector<std::uint8_t> EncodeBitmapFile(int width, int height,
                                           std::span<const std::uint8_t> bgra, int bitCount);

}  // namespace ui

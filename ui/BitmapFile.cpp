#include "ui/BitmapFile.h"

#include <algorithm>
#include <cstring>

namespace ui {

namespace {

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint16_t(b[at] | b[at + 1] << 8);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

constexpr std::uint32_t BI_RGB_ = 0, BI_RLE8_ = 1, BI_RLE4_ = 2, BI_BITFIELDS_ = 3;

struct Header {
  int width = 0, height = 0;
  bool bottomUp = true;
  int bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::size_t bitsOffset = 0;
};

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

// Extracts a channel through a bit mask and scales it to 8 bits.
std::uint8_t MaskChannel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const std::uint32_t m = mask >> shift;
  const std::uint32_t v = (value >> shift) & m;
  return std::uint8_t(v * 255 / m);
}

bool ReadHeader(std::span<const std::uint8_t> f, Header& h, std::string* error) {
  if (f.size() < 14 + 12 || f[0] != 'B' || f[1] != 'M') return Fail(error, "not a bitmap file");
  const std::uint32_t infoSize = U32(f, 14);
  if (infoSize < 12 || infoSize > f.size() - 14) return Fail(error, "bad info header size");
  std::int32_t w, hh;
  int planes;
  if (infoSize == 12) {  // the old OS/2 core header
    w = U16(f, 18);
    hh = std::int16_t(U16(f, 20));
    planes = U16(f, 22);
    h.bitCount = U16(f, 24);
  } else {
    if (infoSize < 40) return Fail(error, "bad info header size");
    w = std::int32_t(U32(f, 18));
    hh = std::int32_t(U32(f, 22));
    planes = U16(f, 26);
    h.bitCount = U16(f, 28);
    h.compression = U32(f, 30);
  }
  if (planes != 1) return Fail(error, "bad plane count");
  if (w <= 0 || hh == 0 || hh == INT32_MIN) return Fail(error, "bad size");
  h.bottomUp = hh > 0;
  h.width = w;
  h.height = hh > 0 ? hh : -hh;
  if (h.width > kMaxBitmapSide || h.height > kMaxBitmapSide ||
      std::uint64_t(h.width) * std::uint64_t(h.height) > kMaxBitmapPixels)
    return Fail(error, "bitmap too large");
  switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return Fail(error, "unsupported bit count");
  }
  const bool rleOk = (h.compression == BI_RLE8_ && h.bitCount == 8) ||
                     (h.compression == BI_RLE4_ && h.bitCount == 4);
  const bool fieldsOk = h.compression == BI_BITFIELDS_ && (h.bitCount == 16 || h.bitCount == 32);
  if (h.compression != BI_RGB_ && !rleOk && !fieldsOk) return Fail(error, "unsupported compression");
  if (rleOk && !h.bottomUp) return Fail(error, "top-down RLE bitmap");

  std::size_t tableAt = 14 + infoSize;
  if (h.compression == BI_BITFIELDS_) {
    if (infoSize >= 52) {  // masks inside a V2+ header
      for (int i = 0; i < 3; ++i) h.masks[i] = U32(f, 14 + 40 + 4 * i);
    } else {
      if (f.size() < tableAt + 12) return Fail(error, "truncated masks");
      for (int i = 0; i < 3; ++i) h.masks[i] = U32(f, tableAt + 4 * i);
      tableAt += 12;
    }
  } else if (h.bitCount == 16) {
    h.masks[0] = 0x7C00; h.masks[1] = 0x03E0; h.masks[2] = 0x001F;
  } else if (h.bitCount == 32) {
    h.masks[0] = 0xFF0000; h.masks[1] = 0xFF00; h.masks[2] = 0xFF;
  }
  if (h.bitCount <= 8) {
    std::uint32_t used = infoSize >= 40 ? U32(f, 46) : 0;
    const std::uint32_t maxColors = 1u << h.bitCount;
    if (used == 0 || used > maxColors) used = maxColors;
    const std::size_t entry = infoSize == 12 ? 3 : 4;
    const std::size_t need = std::size_t(used) * entry;
    if (tableAt > f.size()) return Fail(error, "truncated palette");
    // Some writers store fewer entries than they announce; read what is there.
    const std::size_t have = std::min(need, f.size() - tableAt) / entry;
    if (have == 0) return Fail(error, "missing palette");
    h.palette.assign(maxColors, 0);
    for (std::size_t i = 0; i < have; ++i) {
      const std::size_t at = tableAt + i * entry;
      h.palette[i] = std::uint32_t(f[at + 2]) << 16 | std::uint32_t(f[at + 1]) << 8 | f[at];
    }
  }
  h.bitsOffset = U32(f, 10);
  if (h.bitsOffset < 14 + infoSize || h.bitsOffset > f.size()) return Fail(error, "bad pixel offset");
  return true;
}

void PutPixel(DecodedBitmap& out, int x, int row, std::uint32_t rgb) {
  std::uint8_t* p = &out.Pixels[(std::size_t(row) * out.Width + x) * 4];
  p[0] = std::uint8_t(rgb);
  p[1] = std::uint8_t(rgb >> 8);
  p[2] = std::uint8_t(rgb >> 16);
  p[3] = 0;
}

bool DecodeUncompressed(std::span<const std::uint8_t> f, const Header& h, DecodedBitmap& out,
                        std::string* error) {
  const std::size_t stride = ((std::size_t(h.width) * h.bitCount + 31) / 32) * 4;
  if ((f.size() - h.bitsOffset) / stride < std::size_t(h.height)) return Fail(error, "truncated pixels");
  for (int y = 0; y < h.height; ++y) {
    const int row = h.bottomUp ? h.height - 1 - y : y;
    const std::uint8_t* src = f.data() + h.bitsOffset + std::size_t(y) * stride;
    for (int x = 0; x < h.width; ++x) {
      std::uint32_t rgb = 0;
      switch (h.bitCount) {
        case 1: rgb = h.palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: rgb = h.palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]; break;
        case 8: rgb = h.palette[src[x]]; break;
        case 16: {
          const std::uint32_t v = std::uint32_t(src[2 * x] | src[2 * x + 1] << 8);
          rgb = std::uint32_t(MaskChannel(v, h.masks[0])) << 16 |
                std::uint32_t(MaskChannel(v, h.masks[1])) << 8 | MaskChannel(v, h.masks[2]);
          break;
        }
        case 24: rgb = std::uint32_t(src[3 * x + 2]) << 16 | std::uint32_t(src[3 * x + 1]) << 8 | src[3 * x]; break;
        case 32: {
          const std::uint32_t v = std::uint32_t(src[4 * x]) | std::uint32_t(src[4 * x + 1]) << 8 |
                                  std::uint32_t(src[4 * x + 2]) << 16 | std::uint32_t(src[4 * x + 3]) << 24;
          rgb = std::uint32_t(MaskChannel(v, h.masks[0])) << 16 |
                std::uint32_t(MaskChannel(v, h.masks[1])) << 8 | MaskChannel(v, h.masks[2]);
          break;
        }
      }
      PutPixel(out, x, row, rgb);
    }
  }
  return true;
}

// Run-length encoded 4 and 8-bit images; pixels the codes skip stay palette entry 0.
bool DecodeRle(std::span<const std::uint8_t> f, const Header& h, DecodedBitmap& out,
               std::string* error) {
  for (int y = 0; y < h.height; ++y)
    for (int x = 0; x < h.width; ++x) PutPixel(out, x, y, h.palette[0]);
  const bool four = h.compression == BI_RLE4_;
  std::size_t at = h.bitsOffset;
  int x = 0, y = 0;  // y counts from the bottom row
  auto put = [&](int index) {
    if (x < h.width && y < h.height) PutPixel(out, x, h.height - 1 - y, h.palette[std::size_t(index)]);
    ++x;
  };
  while (y < h.height) {
    if (at + 2 > f.size()) return Fail(error, "truncated RLE data");
    const int count = f[at], value = f[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (at + 2 > f.size()) return Fail(error, "truncated RLE delta");
      x += f[at];
      y += f[at + 1];
      at += 2;
    } else {
      const std::size_t bytes = four ? (std::size_t(value) + 1) / 2 : std::size_t(value);
      if (at + bytes > f.size()) return Fail(error, "truncated RLE run");
      for (int i = 0; i < value; ++i)
        put(four ? ((i & 1) ? f[at + i / 2] & 15 : f[at + i / 2] >> 4) : f[at + i]);
      at += (bytes + 1) & ~std::size_t(1);
    }
  }
  return true;
}

}  // namespace

std::optional<DecodedBitmap> DecodeBitmapFile(std::span<const std::uint8_t> file, std::string* error) {
  Header h;
  if (!ReadHeader(file, h, error)) return std::nullopt;
  DecodedBitmap out;
  out.Width = h.width;
  out.Height = h.height;
  out.SourceBitCount = h.bitCount;
  out.Pixels.assign(std::size_t(h.width) * h.height * 4, 0);
  const bool ok = h.compression == BI_RLE8_ || h.compression == BI_RLE4_ ? DecodeRle(file, h, out, error)
                                                                       : DecodeUncompressed(file, h, out, error);
  if (!ok) return std::nullopt;
  return out;
}

std::vector<std::uint8_t> EncodeBitmapFile(int width, int height, std::span<const std::uint8_t> bgra,
                                           int bitCount) {
  const int bpp = bitCount == 32 ? 4 : 3;
  const std::size_t stride = ((std::size_t(width) * bpp * 8 + 31) / 32) * 4;
  const std::size_t imageSize = stride * std::size_t(height);
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, std::uint32_t(54 + imageSize));
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, std::uint32_t(width));
  Put32(out, std::uint32_t(height));
  Put16(out, 1);
  Put16(out, std::uint16_t(bpp * 8));
  Put32(out, 0);
  Put32(out, std::uint32_t(imageSize));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = &bgra[(std::size_t(y) * width + x) * 4];
      out.insert(out.end(), p, p + bpp);
    }
    out.resize(start + stride, 0);
  }
  return out;
}

}  // namespace ui

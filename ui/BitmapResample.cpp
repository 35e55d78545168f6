#include "ui/BitmapResample.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ui {

namespace {

// One source pixel's share of a new pixel along one axis.
struct TSpan {
  int Index;
  std::int64_t Weight;
};

// For each of `to` new pixels along an axis of `from` source pixels, the
// source pixels it covers with their shares. On a common grid of from * to
// units a source pixel spans `to` units and a new pixel `from` units.
std::vector<std::vector<TSpan>> Spans(int from, int to) {
  std::vector<std::vector<TSpan>> spans(static_cast<std::size_t>(to));
  for (int d = 0; d < to; ++d) {
    const std::int64_t begin = std::int64_t(d) * from, end = begin + from;
    for (int s = int(begin / to); s < from && std::int64_t(s) * to < end; ++s) {
      const std::int64_t overlap = std::min(end, std::int64_t(s + 1) * to) - std::max(begin, std::int64_t(s) * to);
      if (overlap > 0) spans[std::size_t(d)].push_back(TSpan{s, overlap});
    }
  }
  return spans;
}

}  // namespace

void ResampleBitmap(const TBitmap& source, TBitmap& dest, int width, int height, TColor key) {
  dest.SetPixelFormat(source.PixelFormat());
  dest.SetSize(0, 0);  // no old pixels kept
  dest.SetSize(width, height);
  dest.Transparent = source.Transparent;
  dest.TransparentColor = source.TransparentColor;
  if (source.Empty() || dest.Empty()) return;
  const bool keyed = key != clNone;
  const TColor keyRgb = keyed ? ColorToRGB(key) : 0;
  const auto columns = Spans(source.Width(), dest.Width());
  const auto rows = Spans(source.Height(), dest.Height());
  const int sbpp = source.BytesPerPixel(), dbpp = dest.BytesPerPixel();
  std::vector<const std::uint8_t*> lines(std::size_t(source.Height()));
  for (int y = 0; y < source.Height(); ++y) lines[std::size_t(y)] = source.ScanLine(y);
  for (int y = 0; y < dest.Height(); ++y) {
    std::uint8_t* out = dest.ScanLine(y);
    for (int x = 0; x < dest.Width(); ++x, out += dbpp) {
      std::int64_t sum[3] = {0, 0, 0}, colourWeight = 0, keyWeight = 0;
      for (const TSpan& row : rows[std::size_t(y)]) {
        const std::uint8_t* line = lines[std::size_t(row.Index)];
        for (const TSpan& column : columns[std::size_t(x)]) {
          const std::uint8_t* p = line + column.Index * sbpp;
          const std::int64_t w = row.Weight * column.Weight;
          if (keyed && RGBColor(p[2], p[1], p[0]) == keyRgb) {
            keyWeight += w;
            continue;
          }
          for (int c = 0; c < 3; ++c) sum[c] += p[c] * w;
          colourWeight += w;
        }
      }
      if (colourWeight == 0 || keyWeight > colourWeight) {
        out[0] = GetBValue(keyRgb);
        out[1] = GetGValue(keyRgb);
        out[2] = GetRValue(keyRgb);
        continue;
      }
      for (int c = 0; c < 3; ++c) out[c] = std::uint8_t((sum[c] + colourWeight / 2) / colourWeight);
    }
  }
}

}  // namespace ui

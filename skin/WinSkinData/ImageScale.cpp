#include "skin/WinSkinData/ImageScale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace skin {

namespace {

// Where one destination pixel of an axis takes its colour: the two source
// pixels around its centre (weight of the second in 1/256) and the nearest.
struct TSample {
  int First = 0;
  int Second = 0;
  int Weight = 0;
  int Nearest = 0;
};

std::vector<TSample> Samples(const TScaleAxis& axis, int sourceLength) {
  std::vector<TSample> samples;
  for (const TScalePiece& p : axis) {
    const int length = p.DestTo - p.DestFrom;
    if (length <= 0) continue;
    // The piece's own source pixels: sampling never reaches past them.
    const int low = std::clamp(int(std::floor(p.From)), 0, sourceLength - 1);
    const int high = std::clamp(int(std::ceil(p.To)) - 1, low, sourceLength - 1);
    const double step = (p.To - p.From) / length;
    for (int d = 0; d < length; ++d) {
      const double at = std::clamp(p.From + (d + 0.5) * step - 0.5, double(low), double(high));
      TSample s;
      s.First = int(std::floor(at));
      s.Second = std::min(s.First + 1, high);
      s.Weight = int(std::lround((at - s.First) * 256));
      s.Nearest = std::clamp(int(std::lround(at)), low, high);
      samples.push_back(s);
    }
  }
  return samples;
}

bool IsKey(const std::uint8_t* p) { return p[0] == 255 && p[1] == 0 && p[2] == 255; }

}  // namespace

TScaleAxis FramePieces(double sourceFrame, double sourceLow, double sourceHigh, int frames, int destFrame,
                       int destLow, int destHigh) {
  TScaleAxis axis;
  for (int f = 0; f < frames; ++f) {
    const double from = f * sourceFrame;
    const int dest = f * destFrame;
    axis.push_back({from, from + sourceLow, dest, dest + destLow});
    axis.push_back({from + sourceLow, from + sourceFrame - sourceHigh, dest + destLow, dest + destFrame - destHigh});
    axis.push_back({from + sourceFrame - sourceHigh, from + sourceFrame, dest + destFrame - destHigh, dest + destFrame});
  }
  return axis;
}

void ScaleImagePieces(const ui::TBitmap& source, const TScaleAxis& across, const TScaleAxis& down,
                      ui::TBitmap& dest) {
  dest.SetPixelFormat(source.PixelFormat());
  dest.Clear();
  if (source.Empty() || across.empty() || down.empty()) return;
  const std::vector<TSample> xs = Samples(across, source.Width());
  const std::vector<TSample> ys = Samples(down, source.Height());
  dest.SetSize(int(xs.size()), int(ys.size()));
  if (dest.Empty()) return;
  const int bpp = source.BytesPerPixel();
  for (int y = 0; y < dest.Height(); ++y) {
    const TSample& sy = ys[std::size_t(y)];
    const std::uint8_t* rows[2] = {source.ScanLine(sy.First), source.ScanLine(sy.Second)};
    const std::uint8_t* nearestRow = source.ScanLine(sy.Nearest);
    std::uint8_t* out = dest.ScanLine(y);
    for (const TSample& sx : xs) {
      const std::uint8_t* nearest = nearestRow + std::size_t(sx.Nearest) * bpp;
      if (IsKey(nearest)) {
        std::copy(nearest, nearest + bpp, out);
        out += bpp;
        continue;
      }
      // The four pixels around the centre, each weighted, key pixels left out.
      const std::uint8_t* around[4] = {rows[0] + std::size_t(sx.First) * bpp, rows[0] + std::size_t(sx.Second) * bpp,
                                       rows[1] + std::size_t(sx.First) * bpp, rows[1] + std::size_t(sx.Second) * bpp};
      const int weights[4] = {(256 - sx.Weight) * (256 - sy.Weight), sx.Weight * (256 - sy.Weight),
                              (256 - sx.Weight) * sy.Weight, sx.Weight * sy.Weight};
      std::int64_t sum[3] = {0, 0, 0};
      std::int64_t total = 0;
      for (int i = 0; i < 4; ++i) {
        if (weights[i] == 0 || IsKey(around[i])) continue;
        for (int c = 0; c < 3; ++c) sum[c] += std::int64_t(weights[i]) * around[i][c];
        total += weights[i];
      }
      for (int c = 0; c < 3; ++c) out[c] = total ? std::uint8_t((sum[c] + total / 2) / total) : nearest[c];
      if (IsKey(out)) std::copy(nearest, nearest + 3, out);  // a blend must not turn transparent
      if (bpp == 4) out[3] = 0;
      out += bpp;
    }
  }
}

}  // namespace skin

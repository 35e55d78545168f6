#include "skin/draw/Regions.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <utility>
#include <vector>

namespace skin {

namespace {

// Runs are gathered in an RGNDATA buffer that grows this many rectangles at a
// time and is turned into a region whenever it holds kFlushCount of them, so
// no single ExtCreateRegion call gets large.
constexpr DWORD kGrowth = 500;
constexpr DWORD kFlushCount = 2000;

// Inclusive channel bounds of the key pixels.
struct TKeyRange {
  std::uint8_t Low[3];  // B, G, R: the byte order of a pixel
  std::uint8_t High[3];

  TKeyRange(ui::TColor key, std::uint8_t tr, std::uint8_t tg, std::uint8_t tb) {
    key = ui::ColorToRGB(key);
    const std::uint8_t low[3] = {std::uint8_t(key >> 16), std::uint8_t(key >> 8),
                                 std::uint8_t(key)};
    const int tolerance[3] = {tb, tg, tr};
    for (int c = 0; c < 3; ++c) {
      Low[c] = low[c];
      High[c] = std::uint8_t(std::min(255, low[c] + tolerance[c]));
    }
  }

  bool Contains(const std::uint8_t* pixel) const {
    for (int c = 0; c < 3; ++c)
      if (pixel[c] < Low[c] || pixel[c] > High[c]) return false;
    return true;
  }
};

class TRegionBuilder {
 public:
  TRegionBuilder() {
    Grow();
    Restart();
  }

  void Add(const RECT& run) {
    if (Header().nCount == capacity_) Grow();
    Rects()[Header().nCount++] = run;
    RECT& bound = Header().rcBound;
    bound.left = std::min(bound.left, run.left);
    bound.top = std::min(bound.top, run.top);
    bound.right = std::max(bound.right, run.right);
    bound.bottom = std::max(bound.bottom, run.bottom);
    if (Header().nCount == kFlushCount) Flush();
  }

  // Merges the gathered runs into the result and starts a new batch.
  void Flush() {
    ui::RegionHandle batch(ExtCreateRegion(nullptr, DWORD(buffer_.size()), RgnData()));
    Restart();
    if (!batch) return;
    if (!result_)
      result_ = std::move(batch);
    else
      CombineRgn(result_.Get(), result_.Get(), batch.Get(), RGN_OR);
  }

  ui::RegionHandle Take() {
    Flush();
    if (!result_) result_.Reset(CreateRectRgn(0, 0, 0, 0));
    return std::move(result_);
  }

 private:
  RGNDATA* RgnData() { return reinterpret_cast<RGNDATA*>(buffer_.data()); }
  RGNDATAHEADER& Header() { return RgnData()->rdh; }
  RECT* Rects() { return reinterpret_cast<RECT*>(buffer_.data() + sizeof(RGNDATAHEADER)); }

  void Grow() {
    capacity_ += kGrowth;
    buffer_.resize(sizeof(RGNDATAHEADER) + sizeof(RECT) * capacity_);
  }

  void Restart() {
    RGNDATAHEADER& h = Header();
    h.dwSize = sizeof(RGNDATAHEADER);
    h.iType = RDH_RECTANGLES;
    h.nCount = 0;
    h.nRgnSize = 0;
    h.rcBound = {INT_MAX, INT_MAX, 0, 0};
  }

  // RGNDATA: the header, then capacity_ rectangles (operator new aligns it for both).
  std::vector<std::byte> buffer_;
  DWORD capacity_ = 0;
  ui::RegionHandle result_;
};

}  // namespace

ui::RegionHandle CreateRegionFromBitmap(ui::TBitmap& bitmap, int xOffset, int yOffset,
                                        ui::TColor keyColour, std::uint8_t toleranceR,
                                        std::uint8_t toleranceG, std::uint8_t toleranceB) {
  bitmap.SetPixelFormat(ui::TPixelFormat::pf32bit);
  return CreateRegionFromArea(bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()}, xOffset, yOffset,
                              keyColour, toleranceR, toleranceG, toleranceB);
}

ui::RegionHandle CreateRegionFromArea(const ui::TBitmap& bitmap, RECT area, int xOffset,
                                      int yOffset, ui::TColor keyColour, std::uint8_t toleranceR,
                                      std::uint8_t toleranceG, std::uint8_t toleranceB) {
  const TKeyRange key(keyColour, toleranceR, toleranceG, toleranceB);
  TRegionBuilder builder;
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, bitmap.Width());
  area.bottom = std::min<LONG>(area.bottom, bitmap.Height());
  if (area.right <= area.left || area.bottom <= area.top) return builder.Take();

  const int bpp = bitmap.BytesPerPixel();
  const int dx = xOffset - area.left, dy = yOffset - area.top;
  // The runs of the band of equal rows that starts at bandTop.
  std::vector<std::pair<int, int>> band, row;
  int bandTop = area.top;
  const auto closeBand = [&](int bottom) {
    for (const auto& [x0, x1] : band) builder.Add({x0 + dx, bandTop + dy, x1 + dx, bottom + dy});
  };
  // The row step comes from the rows' own addresses, so it is right for
  // bottom-up pictures too; a single row needs none.
  const std::uint8_t* line = bitmap.ScanLine(area.top) + std::ptrdiff_t(area.left) * bpp;
  const std::ptrdiff_t stride = area.bottom - area.top > 1 ? bitmap.ScanLine(area.top + 1) - bitmap.ScanLine(area.top) : 0;
  const int width = area.right - area.left;
  for (int y = area.top; y < area.bottom; ++y, line += stride) {
    row.clear();
    int x = 0;
    while (x < width) {
      const int x0 = x;
      while (x < width && !key.Contains(line + std::ptrdiff_t(bpp) * x)) ++x;
      if (x > x0) row.emplace_back(x0 + area.left, x + area.left);
      ++x;  // the key pixel that ended the run
    }
    if (y == area.top || row != band) {
      closeBand(y);
      band.swap(row);
      bandTop = y;
    }
  }
  closeBand(area.bottom);
  return builder.Take();
}

}  // namespace skin

// Regions from bitmaps: runs of non-key pixels per row, tolerance bounds,
// offsets and the batching of rectangles.
#include "DrawTestSupport.h"
#include "skin/draw/Regions.h"

#include <cstring>
#include <vector>

using namespace drawtest;

namespace {

constexpr ui::TColor kOpaque = ui::RGBColor(10, 200, 30);

// A bitmap from rows of text: '#' an opaque pixel, '.' a key pixel.
std::unique_ptr<ui::TBitmap> Picture(const std::vector<const char*>& rows) {
  auto b = std::make_unique<ui::TBitmap>();
  b->SetSize(int(std::strlen(rows[0])), int(rows.size()));
  for (int y = 0; y < b->Height(); ++y)
    for (int x = 0; x < b->Width(); ++x) b->SetPixel(x, y, rows[y][x] == '#' ? kOpaque : kKey);
  return b;
}

ui::RegionHandle KeyRegion(ui::TBitmap& b, int dx = 0, int dy = 0) {
  return skin::CreateRegionFromBitmap(b, dx, dy, kKey, 0, 0, 0);
}

std::vector<RECT> Rectangles(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::byte> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (size == 0 || GetRegionData(region, size, data) == 0) return {};
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return {rects, rects + data->rdh.nCount};
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

// The region made the plain way: one rectangle region per run, ORed together.
ui::RegionHandle PlainRegion(const ui::TBitmap& b) {
  ui::RegionHandle all(CreateRectRgn(0, 0, 0, 0));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != kKey) {
        ui::RegionHandle pixel(CreateRectRgn(x, y, x + 1, y + 1));
        CombineRgn(all.Get(), all.Get(), pixel.Get(), RGN_OR);
      }
  return all;
}

}  // namespace

TEST(CreateRegionFromBitmap, RowsBecomeRunsOfNonKeyPixels) {
  auto b = Picture({".##..#", "......", "######"});
  auto region = KeyRegion(*b);
  ASSERT_TRUE(region);
  const auto rects = Rectangles(region.Get());
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_TRUE(Same(rects[0], {1, 0, 3, 1}));
  EXPECT_TRUE(Same(rects[1], {5, 0, 6, 1}));
  EXPECT_TRUE(Same(rects[2], {0, 2, 6, 3}));  // the key-only row gives nothing
  EXPECT_EQ(b->PixelFormat(), ui::TPixelFormat::pf32bit);
  EXPECT_EQ(b->Pixel(1, 0), kOpaque);  // converted, not changed
}

TEST(CreateRegionFromBitmap, OffsetsShiftEveryRectangleAndOneRowIsEnough) {
  auto b = Picture({".##..#"});
  auto region = KeyRegion(*b, 100, -7);
  const auto rects = Rectangles(region.Get());
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_TRUE(Same(rects[0], {101, -7, 103, -6}));
  EXPECT_TRUE(Same(rects[1], {105, -7, 106, -6}));
}

TEST(CreateRegionFromBitmap, ToleranceBoundsAreInclusiveAndCapped) {
  ui::TBitmap b;
  b.SetSize(6, 1);
  const ui::TColor row[] = {
      ui::RGBColor(255, 0, 255),  // the key itself
      ui::RGBColor(255, 1, 255),  // green at the upper bound: key
      ui::RGBColor(255, 2, 255),  // just above it: kept
      ui::RGBColor(254, 0, 255),  // red below the key: kept
      ui::RGBColor(255, 1, 254),  // blue below the key: kept
      ui::RGBColor(255, 0, 255),
  };
  for (int x = 0; x < 6; ++x) b.SetPixel(x, 0, row[x]);
  auto region = skin::CreateRegionFromBitmap(b, 0, 0, kKey, 1, 1, 1);
  const auto rects = Rectangles(region.Get());
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_TRUE(Same(rects[0], {2, 0, 5, 1}));

  // A large tolerance stops at 255 instead of wrapping round to small values.
  b.SetPixel(0, 0, ui::RGBColor(0, 0, 0));
  auto capped = skin::CreateRegionFromBitmap(b, 0, 0, ui::RGBColor(200, 0, 0), 255, 255, 255);
  const auto all = Rectangles(capped.Get());
  ASSERT_EQ(all.size(), 1u);
  EXPECT_TRUE(Same(all[0], {0, 0, 1, 1}));
}

TEST(CreateRegionFromBitmap, BatchesGiveTheSameRegionAsOne) {
  // Every other pixel opaque: 20 runs a row. 100 rows make exactly 2000 runs
  // (one flush in the loop, an empty one at the end); 101 and 230 rows go on
  // past a flush and through the buffer's growth.
  for (int rows : {1, 25, 100, 101, 230}) {
    ui::TBitmap b;
    b.SetSize(40, rows);
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < 40; ++x) b.SetPixel(x, y, (x + y) % 2 ? kOpaque : kKey);
    auto plain = PlainRegion(b);
    auto region = KeyRegion(b);
    ASSERT_TRUE(region) << rows;
    EXPECT_TRUE(EqualRgn(region.Get(), plain.Get())) << rows << " rows";
  }
}

TEST(CreateRegionFromBitmap, KeyOnlyAndEmptyBitmapsGiveEmptyRegions) {
  auto keyOnly = Picture({"....", "...."});
  ui::TBitmap empty;
  for (ui::TBitmap* b : {keyOnly.get(), &empty}) {
    auto region = KeyRegion(*b);
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
  }
}

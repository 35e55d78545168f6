// Tiling a source rectangle and the three-part strip of bars.
#include "DrawTestSupport.h"
#include "skin/draw/Tiling.h"

using namespace drawtest;

TEST(TileImage, RepeatsTheSourceAndLetsTheLastTilesOverhang) {
  auto image = CoordImage(10, 10);
  auto target = Target(20, 20);
  // A 3 x 2 source at (1, 1) over (2, 2)-(10, 7): tiles at x = 2, 5, 8 and
  // y = 2, 4, 6, drawn whole, so the area grows to (11, 8).
  skin::TileImage(target->Canvas(), {2, 2, 10, 7}, *image, {1, 1, 4, 3});
  for (int y = 2; y < 8; ++y)
    for (int x = 2; x < 11; ++x)
      ASSERT_EQ(target->Pixel(x, y), CoordColor(1 + (x - 2) % 3, 1 + (y - 2) % 2))
          << x << ", " << y;
  EXPECT_TRUE(UntouchedOutside(*target, {2, 2, 11, 8}));
}

TEST(TileImage, SourcesWithoutAreaDrawNothing) {
  auto image = CoordImage(10, 10);
  auto target = Target(20, 20);
  for (const RECT& source :
       {RECT{1, 1, 1, 5}, RECT{1, 1, 5, 1}, RECT{5, 1, 1, 5}, RECT{1, 5, 5, 1}})
    skin::TileImage(target->Canvas(), {0, 0, 20, 20}, *image, source);
  EXPECT_TRUE(Untouched(*target, {0, 0, 20, 20}));
}

namespace {

// Two frames of 9 x 5: left cap 3, middle 4, right cap 2.
constexpr int kFW = 9, kFH = 5;
constexpr RECT kCaps{3, 99, 2, 99};  // only Left and Right count

}  // namespace

TEST(DrawTiledStrip, CapsStayAndTheMiddleRepeats) {
  auto image = CoordImage(2 * kFW, kFH);
  auto target = Target(30, 10);
  // 20 wide: middle copies at 3, 7, 11 and 15; the last overhangs to 19, where
  // the right cap (18, 19) covers it.
  skin::DrawTiledStrip(target->Canvas(), {5, 0, 25, 5}, *image, kCaps, false, false, 2, 2);
  for (int x = 0; x < 20; ++x) {
    const int expected = x < 3 ? x : x >= 18 ? kFW - 2 + (x - 18) : 3 + (x - 3) % 4;
    for (int y = 0; y < kFH; ++y)
      ASSERT_EQ(target->Pixel(5 + x, y), CoordColor(kFW + expected, y)) << x << ", " << y;
  }
  EXPECT_TRUE(UntouchedOutside(*target, {5, 0, 25, 5}));
}

TEST(DrawTiledStrip, CapsFillingTheFrameStretchTheFrameBetweenThem) {
  // Left 5 + right 4 = the whole frame: nothing to repeat. The strip must still
  // end, with the caps in place and the frame stretched between them.
  auto image = CoordImage(kFW, kFH);
  auto target = Target(40, kFH);
  skin::DrawTiledStrip(target->Canvas(), {0, 0, 40, kFH}, *image, {5, 0, 4, 0}, false, false, 1, 1);
  for (int x = 0; x < 40; ++x) {
    const ui::TColor c = target->Pixel(x, 2);
    ASSERT_TRUE(IsCoord(c)) << x;
    if (x < 5) {
      EXPECT_EQ(SourceX(c), x);
    } else if (x >= 36) {
      EXPECT_EQ(SourceX(c), x - 31);
    }
  }
  EXPECT_EQ(SourceX(target->Pixel(5, 2)), 0);  // the whole frame, from its first column
  EXPECT_EQ(SourceX(target->Pixel(35, 2)), kFW - 1);
}

TEST(DrawTiledStrip, TransparentKeepsTheCanvasUnderKeyPixels) {
  auto image = CoordImage(2 * kFW, kFH);
  image->SetPixel(kFW + 0, 0, kKey);  // left cap
  image->SetPixel(kFW + 4, 1, kKey);  // middle, repeated
  auto target = Target(20, kFH);
  skin::DrawTiledStrip(target->Canvas(), {0, 0, 20, kFH}, *image, kCaps, false, true, 2, 2);
  EXPECT_EQ(target->Pixel(0, 0), kBackground);
  EXPECT_EQ(target->Pixel(1, 0), CoordColor(kFW + 1, 0));
  for (int x : {4, 8, 12, 16}) EXPECT_EQ(target->Pixel(x, 1), kBackground) << x;
  EXPECT_EQ(target->Pixel(5, 1), CoordColor(kFW + 5, 1));
}

TEST(DrawTiledStrip, StretchesStackedFramesToTheStripHeight) {
  auto image = CoordImage(kFW, 3 * kFH);
  auto target = Target(kFW, 12);
  skin::DrawTiledStrip(target->Canvas(), {0, 0, kFW, 12}, *image, kCaps, true, false, 3, 3);
  // Frame 3 starts at row 10; every column is stretched from 5 rows to 12.
  EXPECT_TRUE(
      MatchesNinePart(*target, 0, 0, kFW, 12, {0, kFW, kFW, 0}, {2 * kFH, kFH, 0, 0}, false));
  EXPECT_EQ(SourceY(target->Pixel(0, 0)), 2 * kFH);
  EXPECT_EQ(SourceY(target->Pixel(kFW - 1, 11)), 3 * kFH - 1);
}

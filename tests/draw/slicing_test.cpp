// Nine-part drawing: margin collapsing, the slice layout, the tiled centre
// and its overhang, and the border-only variant.
#include "DrawTestSupport.h"
#include "skin/draw/Slicing.h"

using namespace drawtest;

namespace {

// Two frames of 13 x 11 side by side; the tests use frame 2 (x from 13).
std::unique_ptr<ui::TBitmap> TwoFrames() { return CoordImage(26, 11); }
constexpr int kSX = 13, kFW = 13, kFH = 11;

std::unique_ptr<ui::TBitmap> Sliced(ui::TBitmap& image, int w, int h, RECT margins, bool tile) {
  auto out =
      skin::CreateSlicedBitmap({100, 100, 100 + w, 100 + h}, image, margins, false, tile, 2, 2);
  EXPECT_EQ(out->Width(), w);
  EXPECT_EQ(out->Height(), h);
  return out;
}

}  // namespace

TEST(CreateSlicedBitmap, CornersStayAndEdgesAndCentreStretch) {
  auto image = TwoFrames();
  const RECT m{3, 2, 4, 5};  // L, T, R, B
  auto out = Sliced(*image, 40, 30, m, false);
  EXPECT_TRUE(MatchesNinePart(*out, 0, 0, 40, 30, {kSX, kFW, 3, 4}, {0, kFH, 2, 5}, false));
  // The same size as the frame is a plain copy.
  auto same = Sliced(*image, kFW, kFH, m, false);
  EXPECT_TRUE(MatchesNinePart(*same, 0, 0, kFW, kFH, {kSX, kFW, kFW, 0}, {0, kFH, kFH, 0}, false));
}

TEST(CreateSlicedBitmap, MarginsCollapseOnlyOnTheAxisWhereTheyDoNotFit) {
  auto image = TwoFrames();
  // 10 x 10 with L = R = 6 (12 > 10) and T = B = 2: the frame's full width is
  // stretched into every row band, the top and bottom rows stay fixed.
  auto out = Sliced(*image, 10, 10, {6, 2, 6, 2}, false);
  EXPECT_TRUE(MatchesNinePart(*out, 0, 0, 10, 10, {kSX, kFW, 0, 0}, {0, kFH, 2, 2}, false));
  // L + R equal to the width is not collapsed: the centre is zero wide.
  auto exact = Sliced(*image, 12, 10, {6, 2, 6, 2}, false);
  EXPECT_TRUE(MatchesNinePart(*exact, 0, 0, 12, 10, {kSX, kFW, 6, 6}, {0, kFH, 2, 2}, false));
  // Vertically alike: T + B = 12 > 10 collapses, L and R stay.
  auto tall = Sliced(*image, 10, 10, {2, 6, 3, 6}, false);
  EXPECT_TRUE(MatchesNinePart(*tall, 0, 0, 10, 10, {kSX, kFW, 2, 3}, {0, kFH, 0, 0}, false));
}

TEST(CreateSlicedBitmap, ZeroMarginsStretchOrTileTheWholeFrame) {
  auto image = TwoFrames();
  auto stretched = Sliced(*image, 30, 25, {0, 0, 0, 0}, false);
  EXPECT_TRUE(MatchesNinePart(*stretched, 0, 0, 30, 25, {kSX, kFW, 0, 0}, {0, kFH, 0, 0}, false));
  auto tiled = Sliced(*image, 30, 25, {0, 0, 0, 0}, true);
  EXPECT_TRUE(MatchesNinePart(*tiled, 0, 0, 30, 25, {kSX, kFW, 0, 0}, {0, kFH, 0, 0}, true));
}

TEST(CreateSlicedBitmap, TiledCentreOverhangIsCoveredByTheSlicesDrawnAfterIt) {
  // A 7 x 5 centre source (L = R = 3, T = B = 3) over a 20 x 12 centre: tiles
  // at 0, 7 and 14 across and 0, 5, 10 down; the last ones overhang by 1 and
  // 3 pixels into the right and bottom bands.
  auto image = CoordImage(26, 11);
  const RECT m{3, 3, 3, 3};
  auto out = Sliced(*image, 26, 18, m, true);
  EXPECT_TRUE(MatchesNinePart(*out, 0, 0, 26, 18, {kSX, kFW, 3, 3}, {0, kFH, 3, 3}, true));
  // Column 23 starts the right edge: it shows the frame's column 10, where
  // the overhanging tile would have put column 9.
  EXPECT_EQ(SourceX(out->Pixel(23, 8)), kSX + 10);
  EXPECT_EQ(SourceY(out->Pixel(8, 15)), 8);  // bottom edge, not the tile's row
}

TEST(DrawSlicedImage, DrawsAtTheRectangleOnly) {
  auto image = TwoFrames();
  auto target = Target(60, 50);
  const RECT dest{5, 7, 35, 29};
  skin::DrawSlicedImage(DC(*target), dest, *image, {3, 2, 4, 5}, false, false, false, 2, 2);
  EXPECT_TRUE(MatchesNinePart(*target, 5, 7, 30, 22, {kSX, kFW, 3, 4}, {0, kFH, 2, 5}, false));
  EXPECT_TRUE(UntouchedOutside(*target, dest));
}

TEST(DrawSlicedImage, InvertedOrEmptyRectanglesDrawNothing) {
  auto image = TwoFrames();
  auto target = Target(40, 40);
  for (const RECT& dest :
       {RECT{20, 5, 10, 30}, RECT{5, 30, 30, 5}, RECT{5, 5, 5, 30}, RECT{5, 5, 30, 5}}) {
    skin::DrawSlicedImage(DC(*target), dest, *image, {3, 2, 4, 5}, false, true, false, 2, 2);
    skin::DrawSlicedImage(DC(*target), dest, *image, {3, 2, 4, 5}, false, false, true, 2, 2);
    skin::DrawImageFrame(DC(*target), dest, *image, false, 2, 1);
    skin::DrawSlicedBorder(DC(*target), dest, *image, {3, 2, 4, 5}, false, false, 2, 2);
  }
  EXPECT_TRUE(Untouched(*target, {0, 0, 40, 40}));
}

TEST(DrawSlicedBorder, DrawsTheEightOuterSlicesAndLeavesTheInside) {
  auto image = TwoFrames();
  auto target = Target(50, 40);
  SetStretchBltMode(DC(*target), HALFTONE);
  const RECT dest{4, 3, 34, 23};  // 30 x 20
  skin::DrawSlicedBorder(DC(*target), dest, *image, {3, 2, 4, 5}, false, true, 2, 2);
  EXPECT_EQ(GetStretchBltMode(DC(*target)), COLORONCOLOR);

  const RECT inside{4 + 3, 3 + 2, 34 - 4, 23 - 5};
  EXPECT_TRUE(Untouched(*target, inside));
  EXPECT_TRUE(UntouchedOutside(*target, dest));
  EXPECT_TRUE(
      MatchesNinePart(*target, 4, 3, 30, 20, {kSX, kFW, 3, 4}, {0, kFH, 2, 5}, false, true));
}

TEST(DrawImageFrame, StretchesOneWholeFrameAndCanLeaveKeyPixelsOut) {
  auto image = CoordImage(30, 6);  // three frames of 10 x 6
  image->SetPixel(12, 0, kKey);    // frame 2, top row
  auto target = Target(40, 20);
  skin::DrawImageFrame(DC(*target), {0, 0, 20, 12}, *image, false, 3, 3);
  EXPECT_TRUE(MatchesNinePart(*target, 0, 0, 20, 12, {20, 10, 0, 0}, {0, 6, 0, 0}, false));

  skin::DrawImageFrame(DC(*target), {20, 0, 30, 6}, *image, true, 3, 2);
  EXPECT_EQ(target->Pixel(22, 0), kBackground);
  EXPECT_EQ(target->Pixel(23, 0), CoordColor(13, 0));
  EXPECT_TRUE(Untouched(*target, {0, 12, 40, 20}));
}

// Key-colour transparency on both drawing paths: the MaskBlt one and the
// three-blit one must give the same pixels.
#include "DrawTestSupport.h"
#include "skin/draw/Slicing.h"
#include "skin/draw/Transparency.h"

using namespace drawtest;

namespace {

class TransparentDraw : public ::testing::TestWithParam<skin::TTransparentPath> {
 protected:
  void SetUp() override { skin::SetTransparentPath(GetParam()); }
  void TearDown() override { skin::SetTransparentPath(skin::TTransparentPath::Platform); }
};

// A coordinate picture with key pixels on a diagonal pattern.
bool IsKeyPixel(int x, int y) { return (x + 2 * y) % 3 == 0; }

std::unique_ptr<ui::TBitmap> PatternImage(int w, int h) {
  auto image = CoordImage(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (IsKeyPixel(x, y)) image->SetPixel(x, y, kKey);
  return image;
}

}  // namespace

TEST_P(TransparentDraw, KeyPixelsKeepTheDestination) {
  auto image = PatternImage(9, 7);
  auto target = Target(30, 20);
  SetBkColor(DC(*target), RGB(10, 20, 30));  // neither path may depend on these or change them
  SetTextColor(DC(*target), RGB(40, 50, 60));
  skin::DrawTransparent(DC(*target), {4, 5, 13, 12}, *image, kKey);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x)
      ASSERT_EQ(target->Pixel(4 + x, 5 + y), IsKeyPixel(x, y) ? kBackground : CoordColor(x, y))
          << x << ", " << y;
  EXPECT_TRUE(UntouchedOutside(*target, {4, 5, 13, 12}));
  EXPECT_EQ(GetBkColor(DC(*target)), RGB(10, 20, 30));
  EXPECT_EQ(GetTextColor(DC(*target)), RGB(40, 50, 60));
}

TEST_P(TransparentDraw, DrawsOnlyWhatTheRectangleAndTheBitmapBothCover) {
  auto image = PatternImage(9, 7);
  auto target = Target(30, 20);
  skin::DrawTransparent(DC(*target), {2, 2, 6, 30}, *image,
                        kKey);  // 4 wide, taller than the bitmap
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 4; ++x)
      ASSERT_EQ(target->Pixel(2 + x, 2 + y), IsKeyPixel(x, y) ? kBackground : CoordColor(x, y));
  EXPECT_TRUE(UntouchedOutside(*target, {2, 2, 6, 9}));

  skin::DrawTransparent(DC(*target), {20, 10, 10, 15}, *image, kKey);  // inverted
  ui::TBitmap empty;
  skin::DrawTransparent(DC(*target), {0, 0, 10, 10}, empty, kKey);
  EXPECT_TRUE(UntouchedOutside(*target, {2, 2, 6, 9}));
}

TEST_P(TransparentDraw, SlicedImagesLeaveKeyPixelsOut) {
  auto image = PatternImage(9, 7);
  auto target = Target(30, 20);
  // Same size as the image, so the slices copy it one to one.
  skin::DrawSlicedImage(DC(*target), {1, 1, 10, 8}, *image, {2, 2, 2, 2}, false, false, true, 1, 1);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x)
      ASSERT_EQ(target->Pixel(1 + x, 1 + y), IsKeyPixel(x, y) ? kBackground : CoordColor(x, y));
  EXPECT_TRUE(UntouchedOutside(*target, {1, 1, 10, 8}));
}

INSTANTIATE_TEST_SUITE_P(BothPaths, TransparentDraw,
                         ::testing::Values(skin::TTransparentPath::MaskBlt,
                                           skin::TTransparentPath::ThreeBlits),
                         [](const auto& info) {
                           return info.param == skin::TTransparentPath::MaskBlt ? "MaskBlt"
                                                                                : "ThreeBlits";
                         });

// Copying the pixels onto a bitmap of ours gives what either path draws, for
// every placement against the target's and the bitmap's edges; a bitmap of
// another pixel format is left to the drawing paths, untouched.
TEST(CopyTransparent, GivesTheDrawnPixelsWhereverTheRectangleLies) {
  auto image = PatternImage(9, 7);
  const RECT places[] = {{4, 5, 13, 12},   {2, 2, 6, 30},  {-3, -2, 6, 5}, {25, 15, 34, 22},
                         {-20, 0, -11, 7}, {20, 10, 10, 15}, {0, 0, 0, 0}};
  for (const RECT& place : places) {
    SCOPED_TRACE(testing::Message() << place.left << "," << place.top << "," << place.right << "," << place.bottom);
    auto drawn = Target(30, 20), copied = Target(30, 20);
    skin::DrawTransparent(DC(*drawn), place, *image, kKey);
    ASSERT_TRUE(skin::CopyTransparent(*copied, place, *image, kKey));
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 30; ++x) ASSERT_EQ(copied->Pixel(x, y), drawn->Pixel(x, y)) << x << ", " << y;
  }
  auto other = Target(30, 20);
  image->SetPixelFormat(other->PixelFormat() == ui::TPixelFormat::pf32bit ? ui::TPixelFormat::pf24bit
                                                                          : ui::TPixelFormat::pf32bit);
  EXPECT_FALSE(skin::CopyTransparent(*other, {0, 0, 9, 7}, *image, kKey));
  EXPECT_TRUE(Untouched(*other, {0, 0, 30, 20}));
}

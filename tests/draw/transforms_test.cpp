// Flip and quarter turns, on 3 x 2 pictures with six distinct pixels.
#include "DrawTestSupport.h"
#include "skin/draw/Transforms.h"

#include <vector>

using namespace drawtest;

namespace {

// a b c
// d e f
constexpr ui::TColor a = 0x000001, b = 0x000002, c = 0x000003, d = 0x010000, e = 0x020000, f = 0x030000;

ui::TBitmap* Abcdef(ui::TBitmap& bitmap, ui::TPixelFormat format) {
  bitmap.SetPixelFormat(format);
  bitmap.SetSize(3, 2);
  const ui::TColor pixels[] = {a, b, c, d, e, f};
  for (int i = 0; i < 6; ++i) bitmap.SetPixel(i % 3, i / 3, pixels[i]);
  return &bitmap;
}

std::vector<ui::TColor> Pixels(const ui::TBitmap& bitmap) {
  std::vector<ui::TColor> all;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) all.push_back(bitmap.Pixel(x, y));
  return all;
}

class Transforms : public ::testing::TestWithParam<ui::TPixelFormat> {};

}  // namespace

TEST_P(Transforms, FlipMirrorsTopToBottom) {
  ui::TBitmap bitmap;
  skin::FlipBitmapVertical(*Abcdef(bitmap, GetParam()));
  EXPECT_EQ(Pixels(bitmap), (std::vector<ui::TColor>{d, e, f, a, b, c}));
  EXPECT_EQ(bitmap.PixelFormat(), GetParam());
}

TEST_P(Transforms, RotateLeftTurnsAnticlockwise) {
  ui::TBitmap bitmap;
  skin::RotateBitmapLeft(*Abcdef(bitmap, GetParam()));
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(Pixels(bitmap), (std::vector<ui::TColor>{c, f, b, e, a, d}));
}

TEST_P(Transforms, RotateRightTurnsClockwise) {
  ui::TBitmap bitmap;
  skin::RotateBitmapRight(*Abcdef(bitmap, GetParam()));
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(Pixels(bitmap), (std::vector<ui::TColor>{d, a, e, b, f, c}));
  EXPECT_EQ(bitmap.PixelFormat(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Formats, Transforms,
                         ::testing::Values(ui::TPixelFormat::pf24bit, ui::TPixelFormat::pf32bit),
                         [](const auto& info) {
                           return info.param == ui::TPixelFormat::pf24bit ? "Bits24" : "Bits32";
                         });

TEST(Transforms, EmptyAndOnePixelBitmapsSurvive) {
  ui::TBitmap empty;
  skin::FlipBitmapVertical(empty);
  skin::RotateBitmapLeft(empty);
  skin::RotateBitmapRight(empty);
  EXPECT_TRUE(empty.Empty());

  ui::TBitmap wide;
  wide.SetSize(5, 0);
  skin::RotateBitmapLeft(wide);
  EXPECT_EQ(wide.Width(), 0);

  ui::TBitmap one;
  one.SetSize(1, 1);
  one.SetPixel(0, 0, a);
  skin::RotateBitmapRight(one);
  skin::FlipBitmapVertical(one);
  EXPECT_EQ(one.Pixel(0, 0), a);
}

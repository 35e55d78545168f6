// Flip and quarter turns of a 3 x 2 picture with six distinct pixels, at 24
// and 32 bits per pixel.
#include "DrawTestSupport.h"
#include "skin/draw/Transforms.h"

#include <vector>

namespace {

// a b c
// d e f
constexpr ui::TColor a = 0x000001, b = 0x000002, c = 0x000003, d = 0x010000, e = 0x020000,
                     f = 0x030000;

// The picture after `transform`, row by row, with its new width.
std::vector<ui::TColor> After(void (*transform)(ui::TBitmap&), ui::TPixelFormat format,
                              int& width) {
  ui::TBitmap bitmap;
  bitmap.SetPixelFormat(format);
  bitmap.SetSize(3, 2);
  const ui::TColor pixels[] = {a, b, c, d, e, f};
  for (int i = 0; i < 6; ++i) bitmap.SetPixel(i % 3, i / 3, pixels[i]);
  transform(bitmap);
  EXPECT_EQ(bitmap.PixelFormat(), format);
  std::vector<ui::TColor> all;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) all.push_back(bitmap.Pixel(x, y));
  width = bitmap.Width();
  return all;
}

using Colors = std::vector<ui::TColor>;

}  // namespace

TEST(Transforms, FlipAndQuarterTurnsOfThreeByTwo) {
  for (auto format : {ui::TPixelFormat::pf24bit, ui::TPixelFormat::pf32bit}) {
    int width = 0;
    EXPECT_EQ(After(skin::FlipBitmapVertical, format, width), (Colors{d, e, f, a, b, c}));
    EXPECT_EQ(width, 3);
    // Anticlockwise: the old top-right pixel comes to the top left.
    EXPECT_EQ(After(skin::RotateBitmapLeft, format, width), (Colors{c, f, b, e, a, d}));
    EXPECT_EQ(width, 2);
    // Clockwise: the old bottom-left pixel comes to the top left.
    EXPECT_EQ(After(skin::RotateBitmapRight, format, width), (Colors{d, a, e, b, f, c}));
    EXPECT_EQ(width, 2);
  }
}

TEST(Transforms, EmptyPicturesSurvive) {
  ui::TBitmap empty;
  skin::FlipBitmapVertical(empty);
  skin::RotateBitmapLeft(empty);
  EXPECT_TRUE(empty.Empty());
  ui::TBitmap noRows;
  noRows.SetSize(5, 0);
  skin::RotateBitmapRight(noRows);
  EXPECT_EQ(noRows.Width(), 0);
  EXPECT_EQ(noRows.Height(), 5);
}

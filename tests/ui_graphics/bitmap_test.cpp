// Bitmap files and TBitmap pixel storage; on Windows also the GDI side.
#include <gtest/gtest.h>

#include <cstring>

#include "ui/BitmapFile.h"
#include "ui/Graphics.h"

using namespace ui;

namespace {

// A hand-made 8-bit palettised file, 3 x 2, bottom-up, two palette entries.
std::vector<std::uint8_t> EightBitFile() {
  std::vector<std::uint8_t> f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,
                                 40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0,
                                 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 2, 0, 0, 0, 0, 0, 0, 0};
  // palette: 0 = magenta, 1 = blue (B, G, R, 0)
  for (std::uint8_t b : {255, 0, 255, 0, 255, 0, 0, 0}) f.push_back(b);
  // bottom row first: 1 0 1 (+pad), then top row 0 0 1
  for (std::uint8_t b : {1, 0, 1, 0, 0, 0, 1, 0}) f.push_back(b);
  return f;
}

}  // namespace

TEST(BitmapFile, DecodesPalettisedBottomUpRows) {
  auto d = DecodeBitmapFile(EightBitFile());
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Width, 3);
  EXPECT_EQ(d->Height, 2);
  EXPECT_EQ(d->SourceBitCount, 8);
  // top-left pixel comes from the last row of the file: magenta
  EXPECT_EQ(d->Pixels[0], 255);
  EXPECT_EQ(d->Pixels[1], 0);
  EXPECT_EQ(d->Pixels[2], 255);
  // top-right: blue
  EXPECT_EQ(d->Pixels[8], 255);
  EXPECT_EQ(d->Pixels[10], 0);
}

TEST(BitmapFile, RefusesMalformedFiles) {
  auto good = EightBitFile();
  EXPECT_FALSE(DecodeBitmapFile({}));
  for (std::size_t cut = 1; cut < good.size(); ++cut)
    EXPECT_FALSE(DecodeBitmapFile(std::span(good.data(), cut))) << "cut at " << cut;
  auto huge = good;
  huge[18] = huge[19] = huge[20] = 0x7F;  // width beyond any sane size
  EXPECT_FALSE(DecodeBitmapFile(huge));
  auto badBits = good;
  badBits[28] = 7;
  EXPECT_FALSE(DecodeBitmapFile(badBits));
  auto badOffset = good;
  badOffset[10] = 0xFF;
  badOffset[11] = 0xFF;
  EXPECT_FALSE(DecodeBitmapFile(badOffset));
}

TEST(BitmapFile, RoundTripsThroughTBitmapIn24And32Bits) {
  for (TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
    TBitmap a;
    a.SetPixelFormat(format);
    a.SetSize(5, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) a.SetPixel(x, y, RGBColor(std::uint8_t(x * 40), std::uint8_t(y * 70), 9));
    TMemoryStream s;
    a.SaveToStream(s);
    s.SetPosition(0);
    TBitmap b;
    ASSERT_TRUE(b.LoadFromStream(s));
    EXPECT_EQ(b.PixelFormat(), format);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(b.Pixel(x, y), a.Pixel(x, y));
  }
}

TEST(TBitmapTest, ResizeKeepsOverlapAndConvertsFormats) {
  TBitmap b;
  b.SetSize(4, 4);
  b.SetPixel(1, 1, RGBColor(1, 2, 3));
  b.SetPixel(3, 3, RGBColor(9, 9, 9));
  b.SetSize(2, 6);
  EXPECT_EQ(b.Pixel(1, 1), RGBColor(1, 2, 3));
  EXPECT_EQ(b.Pixel(1, 5), 0u);
  b.SetPixelFormat(TPixelFormat::pf32bit);
  EXPECT_EQ(b.Pixel(1, 1), RGBColor(1, 2, 3));
  EXPECT_EQ(b.ScanLine(1) - b.ScanLine(0), b.BytesPerLine());
  EXPECT_THROW(b.ScanLine(6), std::out_of_range);
  b.SetSize(3, 3);  // a resize keeps the format, and a failed one the whole picture
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_THROW(b.SetSize(100000, 100000), std::length_error);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Pixel(1, 1), RGBColor(1, 2, 3));
  EXPECT_FALSE(b.LoadFromBytes(std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_TRUE(b.Empty());
}

TEST(TBitmapTest, TransparentColourDefaultsToBottomLeftPixel) {
  TBitmap b;
  b.SetSize(2, 2);
  b.Fill(clWhite);
  b.SetPixel(0, 1, RGBColor(5, 6, 7));
  EXPECT_EQ(b.EffectiveTransparentColor(), RGBColor(5, 6, 7));
  b.TransparentColor = clFuchsia;
  EXPECT_EQ(b.EffectiveTransparentColor(), clFuchsia);
}

#ifdef _WIN32
// Swapped pictures keep their pixels and sizes, and each canvas (made before
// the swap, or only on one side) draws into its own bitmap's new picture.
TEST(TBitmapGdi, SwapExchangesPicturesUnderTheCanvases) {
  for (const bool bothCanvases : {true, false}) {
    TBitmap a, b;
    a.SetSize(3, 2);
    a.Fill(clRed);
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(5, 4);
    b.Fill(RGBColor(0, 0, 255));
    a.Canvas();
    if (bothCanvases) b.Canvas();
    a.Swap(b);
    EXPECT_EQ(a.Width(), 5);
    EXPECT_EQ(a.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(a.Pixel(4, 3), RGBColor(0, 0, 255));
    EXPECT_EQ(b.Pixel(2, 1), clRed);
    SetPixelV(a.Canvas().Handle(), 0, 0, RGB(0, 255, 0));
    SetPixelV(b.Canvas().Handle(), 0, 0, RGB(255, 255, 0));
    EXPECT_EQ(a.Pixel(0, 0), RGBColor(0, 255, 0));
    EXPECT_EQ(b.Pixel(0, 0), RGBColor(255, 255, 0));
  }
}

TEST(TBitmapGdi, CanvasDrawLeavesTransparentPixelsOut) {
  TBitmap target;
  target.SetSize(4, 1);
  target.Fill(RGBColor(10, 20, 30));
  TBitmap source;
  source.SetSize(4, 1);
  source.Fill(clFuchsia);
  source.SetPixel(1, 0, clRed);
  source.Transparent = true;
  source.TransparentColor = clFuchsia;
  target.Canvas().Draw(0, 0, source);
  EXPECT_EQ(target.Pixel(0, 0), RGBColor(10, 20, 30));
  EXPECT_EQ(target.Pixel(1, 0), clRed);
  EXPECT_EQ(target.Pixel(2, 0), RGBColor(10, 20, 30));
  // resizing re-selects the picture into the live canvas
  target.SetSize(6, 2);
  target.Canvas().FillRect(RECT{5, 1, 6, 2}, clRed);
  EXPECT_EQ(target.Pixel(5, 1), clRed);
  EXPECT_EQ(target.Canvas().Pixel(5, 1), clRed);
}
#endif

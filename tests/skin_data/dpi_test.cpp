// The skin at a display DPI: measures scaled, the author's larger pictures
// picked, everything else scaled frame by frame with the key colour exact.
#include <gtest/gtest.h>

#include <functional>

#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin_data/SkinTestSupport.h"

namespace {

using namespace skin_test;
using skin::ScaleLength;

// A bitmap file whose pixel colours come from `colour(x, y)`.
Bytes Solid(int w, int h, ui::TColor c) {
  return skin_test::PaintedFile(w, h, [c](int, int) { return c; });
}

TEST(SkinAtDpi, LengthsRoundHalfAwayFromZero) {
  struct Case { std::int64_t length; int dpi; std::int32_t scaled; };
  for (const Case c : {Case{5, 144, 8}, Case{-2, 144, -3}, Case{28, 120, 35}, Case{19, 144, 29}, Case{7, 168, 12},
                       Case{14, 192, 28}, Case{3, 120, 4}, Case{0, 240, 0}, Case{1, 96, 1}, Case{-5, 120, -6},
                       Case{std::int64_t(1) << 31, 240, 0x7fffffff}})
    EXPECT_EQ(ScaleLength(c.length, c.dpi), c.scaled) << c.length << " at " << c.dpi;
}

TEST(SkinAtDpi, LargerImageNames) {
  struct Case { const char* entry; int dpi; };
  for (const Case c : {Case{"top@2x.bmp", 192}, Case{"top@1.5x.bmp", 144}, Case{"top@1.25x.bmp", 120},
                       Case{"top@1.75x.bmp", 168}, Case{"top@2.5x.bmp", 240}, Case{"top@1x.bmp", 0},
                       Case{"top@2.x.bmp", 0}, Case{"top@x.bmp", 0}, Case{"top@1.255x.bmp", 0},
                       Case{"top@9x.bmp", 0}, Case{"topa@2x.bmp", 0}, Case{"top@2x.ini", 0}, Case{"top.bmp", 0},
                       Case{"top@-2x.bmp", 0}, Case{"top@99999999999x.bmp", 0}})
    EXPECT_EQ(skin::LargerImageDpi("top.bmp", c.entry), c.dpi) << c.entry;
}

// A skin whose top border (2 stacked frames of 40 x 26, fixed ends 8) and
// close button (3 frames of 20 x 19 at x 37) come at 1x (blue 0), 1.5x
// (blue 150) and 2x (blue 200), and whose push button comes at 1x only.
const std::string kSkin =
    "[Personality]\nTop=top.bmp\nTopTopHeight=8\nTopBotHeight=8\nTopFrame=2\nTextShift=25\nTextShiftVert=-2\n"
    "[Fonts]\nFontHeight=14\n"
    "[Buttons]\nBitmap=button.bmp\nLeftWidth=4\nRightWidth=4\nTopHeight=4\nBottomHeight=4\n"
    "[Button.Close]\nAction=0\nAlign=1\nXcoord=37\nYcoord=3\nframe=3\nButtonImage=close.bmp\n";

TFiles SkinFiles() {
  const auto tagged = [](int w, int h, std::uint8_t tag) { return Solid(w, h, ui::RGBColor(10, 20, tag)); };
  return {{"top.bmp", tagged(40, 52, 0)},        {"top@1.5x.bmp", tagged(60, 78, 150)},
          {"top@2x.bmp", tagged(80, 104, 200)},  {"close.bmp", tagged(60, 19, 0)},
          {"close@1.5x.bmp", tagged(90, 29, 150)}, {"close@2x.bmp", tagged(120, 38, 200)},
          {"button.bmp", skin_test::PaintedFile(5 * 12, 12, [](int x, int y) {
             // Each frame's fixed corners red, the rest a frame-numbered grey.
             const int fx = x % 12;
             const bool corner = (fx < 4 || fx >= 8) && (y < 4 || y >= 8);
             return corner ? ui::RGBColor(255, 0, 0) : ui::RGBColor(std::uint8_t(40 * (x / 12)), 40, 40);
           })}};
}

TEST(SkinAtDpi, MeasuresAndImagesAtEachDpi) {
  skin::TSkinSet base;
  LoadDefinition(base, kSkin, SkinFiles());
  ASSERT_TRUE(base.MisfitImages.empty());
  struct Case { int dpi; std::uint8_t source; };  // the blue of the picture it must come from
  for (const Case c : {Case{120, 150}, Case{144, 150}, Case{168, 200}, Case{192, 200}, Case{240, 200}}) {
    SCOPED_TRACE(c.dpi);
    skin::TSkinSet set;
    skin::BuildSkinAtDpi(base, c.dpi, set);
    const auto& top = *set.Borders[skin::bdTop];
    EXPECT_EQ(top.LeftWidth, ScaleLength(8, c.dpi));
    EXPECT_EQ(top.Bitmap.Width(), ScaleLength(40, c.dpi));
    EXPECT_EQ(top.Bitmap.Height(), 2 * ScaleLength(26, c.dpi));
    EXPECT_EQ(top.Bitmap.Pixel(0, 0), ui::RGBColor(10, 20, c.source));
    EXPECT_EQ(set.Title->LeftWidth, ScaleLength(25, c.dpi));
    EXPECT_EQ(set.Title->TopHeight, ScaleLength(-2, c.dpi));
    EXPECT_EQ(set.Title->FontHeight, ScaleLength(14, c.dpi));
    // The engine's own measures come with the set.
    EXPECT_EQ(set.Measures.MarkCell, ScaleLength(14, c.dpi));
    EXPECT_EQ(set.Measures.ItemExtraWidth, ScaleLength(28, c.dpi));
    const auto& close = *set.SysButtons[0];
    EXPECT_EQ(close.Xcoord, ScaleLength(37, c.dpi));
    EXPECT_EQ(close.Ycoord, ScaleLength(3, c.dpi));
    EXPECT_EQ(close.FrameCount, 3);
    EXPECT_EQ(close.Bitmap.Width(), 3 * ScaleLength(20, c.dpi));
    EXPECT_EQ(close.Bitmap.Height(), ScaleLength(19, c.dpi));
    EXPECT_EQ(close.Bitmap.Pixel(close.Bitmap.Width() - 1, 0), ui::RGBColor(10, 20, c.source));
    // The push button exists at 1x only: every frame scaled on its own, its
    // corners whole at the scaled margins, no colour from a neighbour.
    const auto& button = set.Buttons->Bitmap;
    const int frame = ScaleLength(12, c.dpi), margin = ScaleLength(4, c.dpi);
    ASSERT_EQ(button.Width(), 5 * frame);
    ASSERT_EQ(button.Height(), frame);
    EXPECT_EQ(set.Buttons->LeftWidth, margin);
    for (int f = 0; f < 5; ++f)
      for (int y = 0; y < frame; ++y)
        for (int x = 0; x < frame; ++x) {
          const bool corner = (x < margin || x >= frame - margin) && (y < margin || y >= frame - margin);
          const ui::TColor expected = corner ? ui::RGBColor(255, 0, 0) : ui::RGBColor(std::uint8_t(40 * f), 40, 40);
          const bool edge = !corner && (x < margin || x >= frame - margin || y < margin || y >= frame - margin);
          if (!edge) {
            ASSERT_EQ(button.Pixel(f * frame + x, y), expected) << f << " " << x << "," << y;
          }
        }
  }
}

TEST(SkinAtDpi, KeyColourStaysExactWhenScaled) {
  // Magenta left of a diagonal, one colour right of it; scaled up and down.
  const ui::TColor key = ui::RGBColor(255, 0, 255), colour = ui::RGBColor(90, 120, 30);
  skin::TSkinSet base;
  LoadDefinition(base, "[Progress]\nBitmap=p.bmp\nTrans=1\n",
                 {{"p.bmp", skin_test::PaintedFile(26, 13, [&](int x, int y) { return x % 13 < y ? key : colour; })}});
  for (const int dpi : {72, 120, 144, 192, 240}) {
    skin::TSkinSet set;
    skin::BuildSkinAtDpi(base, dpi, set);
    const ui::TBitmap& b = set.Progress->Bitmap;
    ASSERT_EQ(b.Width(), 2 * ScaleLength(13, dpi));
    int keys = 0;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) {
        const ui::TColor p = b.Pixel(x, y);
        ASSERT_TRUE(p == key || p == colour) << dpi << ": " << x << "," << y << " " << std::hex << p;
        keys += p == key;
      }
    EXPECT_GT(keys, 0);
  }
}

TEST(SkinAtDpi, MisfitLargerImagesAreLeftOutAndReported) {
  TFiles files = SkinFiles();
  files.push_back({"button@2x.bmp", Solid(119, 24, ui::RGBColor(1, 2, 3))});  // 120 x 24 would fit
  skin::TSkinSet base;
  LoadDefinition(base, kSkin, files);
  ASSERT_EQ(base.MisfitImages.size(), 1u);
  EXPECT_EQ(base.MisfitImages[0].Name, "button@2x.bmp");
  EXPECT_EQ(base.MisfitImages[0].ExpectedWidth, 120);
  EXPECT_EQ(base.MisfitImages[0].ExpectedHeight, 24);
  EXPECT_TRUE(base.Buttons->BitmapLarger.empty());
  skin::TSkinSet set;
  skin::BuildSkinAtDpi(base, 192, set);
  EXPECT_EQ(set.Buttons->Bitmap.Width(), 120);
  EXPECT_EQ(set.Buttons->Bitmap.Pixel(0, 0), ui::RGBColor(255, 0, 0));  // from the base picture
}

TEST(SkinAtDpi, HostileSizesAndMarginsNeverBreakTheScaledSet) {
  // Margins far past the frame, zero and negative frame counts, a 1-pixel
  // image, and a larger picture of the wrong shape.
  skin::TSkinSet base;
  LoadDefinition(base,
                 "[Personality]\nTop=top.bmp\nTopTopHeight=2000000000\nTopBotHeight=-7\nTopFrame=0\n"
                 "Left=left.bmp\nLeftFrame=-3\nLeftTopHeight=99\n"
                 "[HorzScrollThumb]\nImage=t.bmp\nFrameCount=500\nLeftWidth=-2147483647\n",
                 {{"top.bmp", Solid(3, 2, 0x808080)}, {"left.bmp", Solid(1, 1, 0x404040)},
                  {"left@2x.bmp", Solid(1, 1, 0x404040)}, {"t.bmp", Solid(7, 5, 0x202020)}});
  for (const int dpi : {1, 120, 192, 768}) {
    skin::TSkinSet set;
    skin::BuildSkinAtDpi(base, dpi, set);
    EXPECT_GE(set.Borders[skin::bdTop]->Bitmap.Width(), 0);
    EXPECT_EQ(set.Borders[skin::bdTop]->LeftWidth, ScaleLength(2000000000, dpi));
    EXPECT_EQ(set.HorzScrollThumb->LeftWidth, ScaleLength(-2147483647, dpi));
  }
  EXPECT_EQ(base.MisfitImages.size(), 1u);
}

}  // namespace

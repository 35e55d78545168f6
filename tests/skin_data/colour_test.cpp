// Colouring a skin: the pixel transform, readable text, the option text, and
// a skin set in another colour.
#include <gtest/gtest.h>

#include "skin/WinSkinData/ColourShift.h"
#include "skin/WinSkinData/SkinAtDpi.h"
#include "skin_data/SkinTestSupport.h"

namespace {

using namespace skin_test;
using skin::TColourShift;
using ui::RGBColor;

constexpr ui::TColor kKey = ui::clFuchsia;

TEST(ColourShift, Colours) {
  struct Case { ui::TColor in; TColourShift shift; ui::TColor out; };
  const Case cases[] = {
      {RGBColor(255, 0, 0), {120, 0, 0}, RGBColor(0, 255, 0)},
      {RGBColor(255, 0, 0), {240, 0, 0}, RGBColor(0, 0, 255)},
      {RGBColor(200, 40, 40), {120, 0, 0}, RGBColor(40, 200, 40)},
      {RGBColor(128, 128, 128), {120, 0, 0}, RGBColor(128, 128, 128)},  // greys stay grey
      {RGBColor(37, 37, 37), {200, 100, 0}, RGBColor(37, 37, 37)},
      {RGBColor(255, 0, 0), {0, -100, 0}, RGBColor(128, 128, 128)},
      {RGBColor(200, 40, 40), {0, 0, -100}, RGBColor(0, 0, 0)},
      {RGBColor(200, 40, 40), {0, 0, 100}, RGBColor(255, 255, 255)},
      {RGBColor(100, 100, 100), {0, 0, -50}, RGBColor(50, 50, 50)},
      {RGBColor(12, 34, 56), {0, 0, 0}, RGBColor(12, 34, 56)},
      {ui::clBtnFace, {120, 50, 50}, ui::clBtnFace},  // the system's colours are the system's
      {ui::clNone, {120, 50, 50}, ui::clNone},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::ShiftColour(c.in, c.shift), c.out)
        << std::hex << c.in << " by " << std::dec << c.shift.Hue << "," << c.shift.Saturation << ","
        << c.shift.Brightness;
}

TEST(ColourShift, PixelsKeepTheKeyColourAndNothingBecomesIt) {
  ui::TBitmap bitmap;
  bitmap.SetSize(4, 1);
  const ui::TColor before[] = {kKey, RGBColor(0, 255, 255), RGBColor(90, 90, 90), RGBColor(255, 0, 0)};
  for (int x = 0; x < 4; ++x) bitmap.SetPixel(x, 0, before[x]);
  const ui::TColor keys[] = {kKey};
  skin::ShiftPixels(bitmap, {120, 0, 0}, keys);  // cyan turned by 120 degrees is the key colour
  EXPECT_EQ(bitmap.Pixel(0, 0), kKey);
  EXPECT_EQ(bitmap.Pixel(1, 0), RGBColor(255, 1, 255));
  EXPECT_EQ(bitmap.Pixel(2, 0), RGBColor(90, 90, 90));
  EXPECT_EQ(bitmap.Pixel(3, 0), RGBColor(0, 255, 0));
}

TEST(ColourShift, TextKeepsItsContrast) {
  struct Case { ui::TColor text; ui::TColor face; double wanted; };
  for (const Case c : {Case{RGBColor(200, 200, 200), RGBColor(230, 230, 230), 4.5},
                       Case{RGBColor(60, 60, 90), RGBColor(40, 40, 60), 7},
                       Case{RGBColor(0, 0, 0), RGBColor(128, 128, 128), 21},  // out of reach: the best there is
                       Case{RGBColor(250, 20, 20), RGBColor(255, 255, 255), 3}}) {
    const ui::TColor kept = skin::KeepContrast(c.text, c.face, c.wanted);
    const double best = std::max(skin::ContrastRatio(ui::clBlack, c.face), skin::ContrastRatio(ui::clWhite, c.face));
    EXPECT_GE(skin::ContrastRatio(kept, c.face), std::min(c.wanted, best) - 1e-9) << std::hex << c.text;
  }
  EXPECT_EQ(skin::KeepContrast(RGBColor(0, 0, 0), RGBColor(255, 255, 255), 4.5), RGBColor(0, 0, 0));
}

TEST(ColourShift, OptionText) {
  struct Case { const char* text; bool good; TColourShift shift; };
  for (const Case c : {Case{"120,0,0", true, {120, 0, 0}}, Case{" 200 , -50 , +30 ", true, {200, -50, 30}},
                       Case{"0,-100,100", true, {0, -100, 100}}, Case{"360,0,0", false, {}},
                       Case{"-1,0,0", false, {}}, Case{"10,101,0", false, {}}, Case{"10,0,-101", false, {}},
                       Case{"10,0", false, {}}, Case{"10,0,0,0", false, {}}, Case{"a,b,c", false, {}},
                       Case{"", false, {}}, Case{"1.5,0,0", false, {}}, Case{"99999999999,0,0", false, {}}}) {
    std::string problem;
    const auto shift = skin::ParseColourShift(c.text, problem);
    EXPECT_EQ(shift.has_value(), c.good) << c.text;
    if (c.good && shift) {
      EXPECT_EQ(*shift, c.shift) << c.text;
    } else if (!c.good) {
      EXPECT_NE(problem.find(std::string("\"") + c.text + "\""), std::string::npos) << problem;
    }
  }
}

TEST(ColourShift, AccentRotation) {
  struct Case { int accentHue; ui::TColor accent; int rotation; };
  for (const Case c : {Case{357, RGBColor(0, 120, 215), 210}, Case{40, RGBColor(0, 255, 0), 80},
                       Case{157, RGBColor(46, 139, 104), 0}, Case{0, RGBColor(128, 128, 128), 0},
                       Case{-1, RGBColor(255, 0, 0), 0}})
    EXPECT_EQ(skin::AccentRotation(c.accentHue, c.accent), c.rotation) << c.accentHue;
}

// A skin with a red-and-grey top border holding key pixels, a 2x picture of
// it, and a colour table whose text is dark on a light face.
const std::string kSkin =
    "[Personality]\nTop=top.bmp\nTopTopHeight=2\nTopBotHeight=2\n"
    "[Colours]\nButtonFace=220 220 220\nWindowText=40 40 40\nHilight=200 0 0\nHilightText=255 255 255\n";

ui::TColor TopPixel(int x, int) {
  return x % 3 == 0 ? kKey : x % 3 == 1 ? RGBColor(200, 30, 30) : RGBColor(120, 120, 120);
}

TFiles Files() { return {{"top.bmp", PaintedFile(12, 6, TopPixel)}, {"top@2x.bmp", PaintedFile(24, 12, [](int x, int y) { return TopPixel(x / 2, y); })}}; }

TEST(ColouredSkin, ImagesColoursAndTheKeyColour) {
  skin::TSkinSet plain;
  LoadDefinition(plain, kSkin, Files());
  struct Case { TColourShift shift; };
  for (const Case c : {Case{{0, 0, 0}}, Case{{120, 0, 0}}, Case{{0, -100, 0}}, Case{{0, 0, 60}}, Case{{300, 40, -40}}}) {
    skin::TSkinSet coloured;
    skin::BuildColouredSkin(plain, c.shift, coloured);
    const ui::TBitmap& from = plain.Borders[skin::bdTop]->Bitmap;
    const ui::TBitmap& to = coloured.Borders[skin::bdTop]->Bitmap;
    ASSERT_EQ(to.Width(), from.Width());
    const ui::TBitmap& larger = coloured.Borders[skin::bdTop]->BitmapLarger.at(0)->Bitmap;
    for (int x = 0; x < from.Width(); ++x) {
      const ui::TColor was = from.Pixel(x, 0);
      EXPECT_EQ(to.Pixel(x, 0), was == kKey ? kKey : skin::ShiftColour(was, c.shift)) << x;
      EXPECT_EQ(larger.Pixel(2 * x, 0), to.Pixel(x, 0)) << x;
    }
    EXPECT_EQ(coloured.HilightColour, skin::ShiftColour(plain.HilightColour, c.shift));
    EXPECT_GE(skin::ContrastRatio(coloured.WindowTextColour, coloured.ButtonFaceColour),
              std::min(skin::ContrastRatio(plain.WindowTextColour, plain.ButtonFaceColour),
                       skin::ContrastRatio(ui::clBlack, coloured.ButtonFaceColour)) - 1e-9);
    for (auto measure : {&skin::TDataSkinObject::LeftWidth, &skin::TDataSkinObject::TopHeight,
                         &skin::TDataSkinObject::RightWidth, &skin::TDataSkinObject::BottomHeight})
      EXPECT_EQ(coloured.Borders[skin::bdTop].get()->*measure, plain.Borders[skin::bdTop].get()->*measure);
  }
}

}  // namespace

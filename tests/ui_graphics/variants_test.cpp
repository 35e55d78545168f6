// Pictures for display scales: which stored picture a DPI takes, and resizing
// that keeps a transparent colour exact.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ui/BitmapResample.h"
#include "ui/PictureVariants.h"

using namespace ui;

namespace {

constexpr TColor kKey = RGBColor(255, 0, 255);
constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr TColor kBlue = RGBColor(0, 0, 255);

std::vector<std::uint8_t> FileOf(const TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Vector();
}

// A row of pixels in the given colours.
void Row(TBitmap& bitmap, std::initializer_list<TColor> colours, int height = 1) {
  bitmap.SetSize(int(colours.size()), height);
  for (int y = 0; y < height; ++y) {
    int x = 0;
    for (TColor c : colours) bitmap.SetPixel(x++, y, c);
  }
}

}  // namespace

TEST(PictureVariants, ADpiTakesTheExactElseTheNearestLargerElseTheLargestPicture) {
  TBitmap pixel;
  Row(pixel, {kRed});
  const std::vector<std::uint8_t> file = FileOf(pixel);
  const std::map<std::string, std::vector<std::uint8_t>> stored = {
      {"P", file}, {"P@1.5X", file}, {"P@2X", file},  // P: drawn for 96, 144 and 192 DPI
      {"Q", file},                                    // Q: the base picture only
      {"R", file}, {"R@2X", {'B', 'M', 1, 2}},        // R: its 2x picture cannot be read
  };
  const TResourceLoader resources = [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
    const auto it = stored.find(name);
    if (it == stored.end()) return std::nullopt;
    return it->second;
  };
  const struct {
    const char* Name;
    int Dpi;
    int DrawnFor;
  } cases[] = {
      {"P", 96, 96},   {"P", 72, 96},   {"P", 110, 144}, {"P", 120, 144}, {"P", 144, 144}, {"P", 168, 192},
      {"P", 192, 192}, {"P", 240, 192}, {"Q", 240, 96},  {"R", 192, 96},  {"NONE", 144, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Name) + " at " + std::to_string(c.Dpi));
    TBitmap picture;
    EXPECT_EQ(LoadPictureVariant(resources, c.Name, c.Dpi, picture), c.DrawnFor);
    EXPECT_EQ(picture.Empty(), c.DrawnFor == 0);
  }
}

TEST(PictureVariants, ResizingRepeatsWholeEnlargementsAndNeverMixesTheKeyIn) {
  TBitmap source, out;
  Row(source, {kKey, kRed, kBlue});
  ResampleBitmap(source, out, 6, 2, kKey);  // 2x: every pixel twice, both ways
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(out.Pixel(x, y), source.Pixel(x / 2, 0)) << x << "," << y;

  // 2/3: the first new pixel is two thirds key, the second covers red and blue.
  ResampleBitmap(source, out, 2, 1, kKey);
  EXPECT_EQ(out.Pixel(0, 0), kKey);
  EXPECT_EQ(out.Pixel(1, 0), RGBColor(85, 0, 170)) << "a third red, two thirds blue";
  ResampleBitmap(source, out, 2, 1);  // without a key the key blends like any colour
  EXPECT_EQ(out.Pixel(0, 0), RGBColor(255, 0, 170));

  // Two images side by side keep a key in each image's bottom-left corner,
  // where painters read the transparent colour.
  // Halved, each corner is outweighed by its red neighbours.
  TBitmap strip;
  Row(strip, {kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed}, 4);
  strip.SetPixel(0, 3, kKey);
  strip.SetPixel(4, 3, kKey);
  FitPicture(strip, 4, 2, kKey, 2);
  ASSERT_EQ(strip.Width(), 4);
  EXPECT_EQ(strip.Pixel(0, 1), kKey);
  EXPECT_EQ(strip.Pixel(2, 1), kKey);
  EXPECT_EQ(strip.Pixel(1, 1), kRed);
}

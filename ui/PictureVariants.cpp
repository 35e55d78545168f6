#include "ui/PictureVariants.h"

#include <algorithm>
#include <vector>

#include "ui/BitmapResample.h"

namespace ui {

namespace {

struct TVariant {
  int Dpi;
  const char* Suffix;
};

constexpr TVariant kVariants[] = {{120, "@1.25X"}, {144, "@1.5X"}, {168, "@1.75X"}, {192, "@2X"},
                                  {240, "@2.5X"},  {288, "@3X"},   {384, "@4X"}};
constexpr int kBaseDpi = 96;

}  // namespace

int LoadPictureVariant(const TResourceLoader& resources, const std::string& name, int dpi, TBitmap& picture) {
  if (!resources) return 0;
  // The candidates in order of DPI, the base picture among them.
  struct TCandidate {
    int Dpi;
    std::vector<std::uint8_t> Bytes;
  };
  std::vector<TCandidate> found;
  if (auto base = resources(name)) found.push_back(TCandidate{kBaseDpi, std::move(*base)});
  if (dpi != kBaseDpi) {
    for (const TVariant& v : kVariants)
      if (auto bytes = resources(name + v.Suffix)) found.push_back(TCandidate{v.Dpi, std::move(*bytes)});
  }
  // Exact or nearest larger first, then from the largest down.
  std::vector<const TCandidate*> order;
  for (const TCandidate& c : found)
    if (c.Dpi >= dpi) order.push_back(&c);
  for (auto it = found.rbegin(); it != found.rend(); ++it)
    if (it->Dpi < dpi) order.push_back(&*it);
  for (const TCandidate* c : order) {
    TBitmap loaded;
    if (!loaded.LoadFromBytes(c->Bytes)) continue;  // an unreadable variant: the next best
    picture.Swap(loaded);
    return c->Dpi;
  }
  return 0;
}

void FitPicture(TBitmap& picture, int width, int height, TColor key, int frames) {
  if (picture.Width() == width && picture.Height() == height) return;
  frames = std::max(frames, 1);
  std::vector<bool> keyedCorner(std::size_t(frames), false);
  if (key != clNone && !picture.Empty()) {
    const TColor rgb = ColorToRGB(key);
    for (int f = 0; f < frames; ++f)
      keyedCorner[std::size_t(f)] = picture.Pixel(f * (picture.Width() / frames), picture.Height() - 1) == rgb;
  }
  TBitmap scaled;
  ResampleBitmap(picture, scaled, width, height, key);
  for (int f = 0; f < frames; ++f)
    if (keyedCorner[std::size_t(f)]) scaled.SetPixel(f * (width / frames), height - 1, key);
  picture.Swap(scaled);
}

}  // namespace ui

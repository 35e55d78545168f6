#include "gallery/TabsPage.h"

#include <cstdlib>

#include "gallery/GalleryNote.h"

namespace gallery {

namespace {

constexpr int kIconSize = 16;

// Three 16 x 16 icons on the key colour: a disc, a square and a triangle.
void PaintIcons(ui::TImageList& icons) {
  const ui::TColor colours[] = {ui::RGBColor(200, 60, 40), ui::RGBColor(40, 120, 200), ui::RGBColor(60, 160, 60)};
  ui::TBitmap strip;
  strip.SetSize(3 * kIconSize, kIconSize);
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < strip.Width(); ++x) {
      const int i = x / kIconSize, u = x % kIconSize;
      const bool inside = i == 0   ? (u - 8) * (u - 8) + (y - 8) * (y - 8) < 36
                          : i == 1 ? u > 2 && u < 13 && y > 2 && y < 13
                                   : y > 2 && y < 14 && std::abs(u - 8) <= (y - 2) / 2;
      strip.SetPixel(x, y, inside ? colours[i] : ui::clFuchsia);
    }
  icons.Add(strip, ui::clFuchsia);
}

}  // namespace

TTabsPage::TTabsPage(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("Pages", Pages);
  BindField("TabsMany", TabsMany);
  BindField("Icons", Icons);
  InitializeForm();
  PaintIcons(*Icons);
  Pages->Invalidate();
}

TTabsPage::~TTabsPage() { DestroyComponents(); }

}  // namespace gallery

// Bad skin data, GDI object lifetimes and the shared scratch bitmap.
#include "DrawTestSupport.h"
#include "skin/draw/SkinDraw.h"

#include <climits>
#include <vector>

using namespace drawtest;

namespace {

// GDI objects in use. Windows counts them; Wine reports 0, so there the count
// is taken as how many regions can still be made before the handle table is full.
long GdiObjectsInUse() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
    return long(counted);
  std::vector<HRGN> probes;
  while (probes.size() < 200000) {
    HRGN r = CreateRectRgn(0, 0, 1, 1);
    if (!r) break;
    probes.push_back(r);
  }
  for (HRGN r : probes) DeleteObject(r);
  return 200000 - long(probes.size());
}

// Every drawn pixel of `out` must be background or come from inside `area` of the image.
::testing::AssertionResult OnlyFrom(const ui::TBitmap& out, const RECT& area) {
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      const ui::TColor c = out.Pixel(x, y);
      if (c == kBackground || c == 0) continue;  // 0: a composed bitmap's initial black
      if (!IsCoord(c) || !PtInRect(&area, {SourceX(c), SourceY(c)}))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") holds " << c;
    }
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(BadSkinData, NeverDrawsFromOutsideTheImage) {
  auto image = CoordImage(40, 12);
  const RECT whole{0, 0, 40, 12};
  const RECT hostileMargins[] = {
      {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
      {INT_MIN, INT_MIN, INT_MIN, INT_MIN},
      {30, 10, 30, 10},
      {-5, 3, 50, -1},
      {0, 0, 0, 0},
      {40, 12, 0, 0},
  };
  for (const RECT& m : hostileMargins)
    for (int count : {INT_MIN, -1, 0, 1, 3, 41, INT_MAX})
      for (int index : {INT_MIN, -1, 0, 1, 2, 99, INT_MAX})
        for (bool vertical : {false, true}) {
          SCOPED_TRACE(::testing::Message()
                       << "margins " << m.left << "," << m.top << "," << m.right << "," << m.bottom
                       << " count " << count << " index " << index << " vertical " << vertical);
          for (bool tile : {false, true}) {
            auto sliced =
                skin::CreateSlicedBitmap({0, 0, 25, 17}, *image, m, vertical, tile, count, index);
            ASSERT_TRUE(OnlyFrom(*sliced, whole));
          }
          auto target = Target(60, 30);
          skin::DrawSlicedImage(DC(*target), {1, 1, 26, 18}, *image, m, vertical, true, true, count,
                                index);
          skin::DrawSlicedBorder(DC(*target), {30, 1, 55, 18}, *image, m, vertical, false, count,
                                 index);
          skin::DrawTiledStrip(target->Canvas(), {0, 20, 60, 25}, *image, m, vertical, false, count,
                               index);
          skin::DrawImageFrame(DC(*target), {0, 25, 60, 30}, *image, true, count, index);
          ASSERT_TRUE(OnlyFrom(*target, whole));
        }
}

TEST(BadSkinData, EmptyImagesDrawNothing) {
  ui::TBitmap empty;
  auto target = Target(30, 30);
  const RECT dest{0, 0, 30, 30}, m{2, 2, 2, 2};
  skin::DrawSlicedImage(DC(*target), dest, empty, m, false, true, true, 3, 2);
  skin::DrawSlicedImage(DC(*target), dest, empty, m, false, false, false, 3, 2);
  skin::DrawSlicedBorder(DC(*target), dest, empty, m, false, false, 3, 2);
  skin::DrawTiledStrip(target->Canvas(), dest, empty, m, false, true, 3, 2);
  skin::DrawImageFrame(DC(*target), dest, empty, false, 3, 2);
  skin::TileImage(target->Canvas(), dest, empty, {0, 0, 4, 4});
  EXPECT_TRUE(Untouched(*target, dest));
  auto sliced = skin::CreateSlicedBitmap(dest, empty, m, false, true, 3, 2);
  EXPECT_EQ(sliced->Width(), 30);
  EXPECT_EQ(sliced->Height(), 30);
}

TEST(GdiObjects, NoPrimitiveKeepsATemporary) {
  auto image = CoordImage(26, 11);
  image->SetPixel(3, 3, kKey);
  auto target = Target(60, 40);
  const RECT m{3, 2, 4, 5};
  auto drawAll = [&] {
    for (auto path : {skin::TTransparentPath::MaskBlt, skin::TTransparentPath::ThreeBlits}) {
      skin::SetTransparentPath(path);
      skin::DrawSlicedImage(DC(*target), {0, 0, 40, 30}, *image, m, false, true, true, 2, 1);
      skin::DrawTransparent(DC(*target), {0, 0, 26, 11}, *image, kKey);
    }
    skin::SetTransparentPath(skin::TTransparentPath::Platform);
    skin::DrawSlicedImage(DC(*target), {0, 0, 40, 30}, *image, m, false, false, false, 2, 2);
    skin::DrawSlicedBorder(DC(*target), {0, 0, 40, 30}, *image, m, false, false, 2, 1);
    skin::DrawTiledStrip(target->Canvas(), {0, 0, 60, 10}, *image, m, false, true, 2, 1);
    skin::DrawTiledStrip(target->Canvas(), {0, 0, 60, 10}, *image, m, false, false, 2, 1);
    skin::DrawImageFrame(DC(*target), {0, 0, 20, 20}, *image, true, 2, 2);
    skin::TileImage(target->Canvas(), {0, 0, 60, 40}, *image, {1, 1, 8, 6});
    skin::CreateSlicedBitmap({0, 0, 30, 30}, *image, m, false, true, 2, 1);
    ui::TBitmap copy;
    copy.Assign(*image);
    skin::CreateRegionFromBitmap(copy, 0, 0, kKey, 1, 1, 1);
    skin::RotateBitmapLeft(copy);
    skin::FlipBitmapVertical(copy);
  };
  drawAll();  // first calls may set up lasting system state
  const long before = GdiObjectsInUse();
  for (int i = 0; i < 200; ++i) drawAll();
  EXPECT_EQ(GdiObjectsInUse(), before);
}

TEST(ScratchBitmap, LivesFromCreationToFreeing) {
  {
    ui::TBitmap warmUp;  // the process's first memory DC sets up lasting state
    warmUp.SetSize(2, 2);
    warmUp.Canvas();
  }
  const long before = GdiObjectsInUse();
  EXPECT_EQ(skin::ScratchBitmap(), nullptr);
  {
    skin::TScratchBitmapOwner owner;
    ui::TBitmap* scratch = skin::ScratchBitmap();
    ASSERT_NE(scratch, nullptr);
    EXPECT_EQ(GetStretchBltMode(scratch->Canvas().Handle()), COLORONCOLOR);
    skin::CreateScratchBitmap();  // a second creation keeps the one there is
    EXPECT_EQ(skin::ScratchBitmap(), scratch);
    scratch->SetSize(50, 20);  // borrowers size it; the mode stays
    EXPECT_EQ(GetStretchBltMode(scratch->Canvas().Handle()), COLORONCOLOR);
  }
  EXPECT_EQ(skin::ScratchBitmap(), nullptr);
  EXPECT_EQ(GdiObjectsInUse(), before);
}

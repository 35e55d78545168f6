// The window region: the outline of the border images, per-border
// transparency, the size cache, a window that has grown, and taking it off.
#include "FrameTestSupport.h"

namespace {

using namespace frame_test;

TEST_F(FrameTest, KeyColouredPixelsOfTheBordersAreOutsideTheWindow) {
  const HWND wnd = Skin({.Shift = 20});  // the caption's strip lies over the key-coloured row
  const int w = Width(), h = Height();
  EXPECT_TRUE(form_->HasRegion);
  for (const POINT out : {POINT{0, 0}, POINT{1, 0}, POINT{0, 1}, POINT{w - 1, 0}, POINT{w - 2, 0},
                          POINT{w - 1, 1}, POINT{w - kRight - kTopEnds - 3, 0}, POINT{kLeft, h - 1}})
    EXPECT_FALSE(InRegion(wnd, out.x, out.y)) << out.x << "," << out.y;
  for (const POINT in : {POINT{2, 0}, POINT{1, 1}, POINT{w - 3, 0}, POINT{w - kRight - 2, 0}, POINT{kLeft + 1, 1},
                         POINT{w / 2, h - 1}, POINT{w / 2, h / 2}})
    EXPECT_TRUE(InRegion(wnd, in.x, in.y)) << in.x << "," << in.y;
  // Where the caption's strip covers the border's key colour, the window is opaque.
  EXPECT_TRUE(InRegion(wnd, form_->CaptionRect.left + 1, 0));

  const TPixels screen = ScreenPixels(wnd);
  EXPECT_NE(screen.At(0, 0), kKey);  // the desktop shows through
  EXPECT_EQ(screen.At(3, 10), LeftPixel(3, 10));
}

TEST_F(FrameTest, OnlyTransparentBordersAreShaped) {
  HWND wnd = Skin({.LeftTrans = 0});
  EXPECT_TRUE(InRegion(wnd, 0, 0));
  EXPECT_EQ(ScreenPixels(wnd).At(0, 0), kKey);  // drawn opaque, key colour and all
  EXPECT_FALSE(InRegion(wnd, Width() - 1, 0));

  // A bottom border one pixel high is a plain rectangle.
  wnd = Skin({.Bottom = 1});
  EXPECT_EQ(form_->BorderBottom, 1);
  EXPECT_TRUE(InRegion(wnd, kLeft, Height() - 1));

  wnd = Skin({.LeftTrans = 0, .RightTrans = 0, .TopTrans = 0, .BottomTrans = 0});
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(wnd, region.Get()), SIMPLEREGION);
  RECT box{};
  GetRgnBox(region.Get(), &box);
  const RECT whole{0, 0, Width(), Height()};
  EXPECT_TRUE(EqualRect(&box, &whole));
}

TEST_F(FrameTest, RegionIsRebuiltOnlyForANewSizeOrSkin) {
  const HWND wnd = Skin();
  // A plain region put on behind the companion's back shows whether it builds anew.
  const auto markRegion = [&] { SetWindowRgn(wnd, CreateRectRgn(0, 0, Width(), Height()), FALSE); };
  const auto rebuilt = [&] { return !InRegion(wnd, 0, 0); };

  markRegion();
  Resize(Width(), Height());
  form_->UpdateRegion();
  EXPECT_FALSE(rebuilt());

  markRegion();
  Resize(Width() + 40, Height() + 10);
  EXPECT_TRUE(rebuilt());
  EXPECT_EQ(form_->RegionWidth, Width());
  EXPECT_EQ(form_->RegionHeight, Height());

  markRegion();
  form_->SkinState = skin::ssReskinning;
  form_->UpdateRegion();
  form_->SkinState = skin::ssRunning;
  EXPECT_TRUE(rebuilt());
}

TEST_F(FrameTest, GrownWindowIsShapedByItsNewTitleBar) {
  const HWND wnd = Skin();
  const int oldWidth = Width();
  // Without a repaint first, the region is built while the last painted title
  // bar still has the old width.
  Resize(oldWidth + 120, Height(), SWP_NOREDRAW);
  const int w = Width();
  ASSERT_EQ(w, oldWidth + 120);
  EXPECT_EQ(form_->FrameBitmap.Width(), w);
  // The old right end now lies in the key-coloured middle; the new one is opaque.
  EXPECT_FALSE(InRegion(wnd, oldWidth - kRight - 4, 0));
  EXPECT_FALSE(InRegion(wnd, w - kRight - kTopEnds - 3, 0));
  EXPECT_TRUE(InRegion(wnd, w - kRight - 4, 0));
  EXPECT_FALSE(InRegion(wnd, w - 1, 0));
}

TEST_F(FrameTest, RemovedRegionIsBuiltAgainByTheNextUpdate) {
  const HWND wnd = Skin();
  form_->RemoveRegion();
  EXPECT_FALSE(form_->HasRegion);
  EXPECT_TRUE(form_->FrameBitmap.Empty());
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(wnd, region.Get()), ERROR);
  form_->UpdateRegion();  // same size as before
  EXPECT_TRUE(form_->HasRegion);
  EXPECT_FALSE(InRegion(wnd, 0, 0));
}

}  // namespace

// The gallery's MDI frame moved to screens of other scales and back (the
// messages the system sends then, which Wine never sends): the frame, its
// children and their skin follow each DPI, and 96 -> 144 -> 192 -> 96 ends
// in exactly the pixels, sizes and region it began with.
#include "GalleryTestSupport.h"
#include "skin/WinSkinData/SkinAtDpi.h"

namespace {

using namespace gallery_test;

struct TShape {
  RECT Bounds{};
  std::vector<COLORREF> Pixels;
  std::vector<bool> Region;
};

TShape ShapeOf(HWND wnd) {
  TShape shape;
  GetWindowRect(wnd, &shape.Bounds);
  const int w = shape.Bounds.right - shape.Bounds.left, h = shape.Bounds.bottom - shape.Bounds.top;
  shape.Pixels = WindowArea(wnd, 0, w, h);
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  const bool hasRegion = GetWindowRgn(wnd, region.Get()) != ERROR;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) shape.Region.push_back(!hasRegion || PtInRegion(region.Get(), x, y));
  return shape;
}

TEST_F(GalleryTest, TheFrameAndItsChildrenFollowEachDpiAndComeBackExactly) {
  Run("mdi");
  const HWND frame = frame_->Handle();
  // Small enough that twice its size fits the test desktop (1024 x 768).
  SetWindowPos(frame, nullptr, 20, 20, 480, 360, SWP_NOZORDER);
  PumpFor(150);
  const auto change = [&](int dpi) {
    SIZE size{};
    ASSERT_TRUE(SendMessageW(frame, WM_GETDPISCALEDSIZE, WPARAM(dpi), LPARAM(&size)));
    RECT now{};
    GetWindowRect(frame, &now);
    RECT suggested{now.left, now.top, now.left + size.cx, now.top + size.cy};
    SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    PumpFor(150);
  };
  RECT client96{};
  GetClientRect(frame, &client96);
  const TShape before = ShapeOf(frame);
  for (const int dpi : {144, 192}) {
    SCOPED_TRACE(dpi);
    change(dpi);
    EXPECT_EQ(frame_->Dpi(), dpi);
    EXPECT_EQ(Companion(frame)->Dpi, dpi);
    EXPECT_EQ(Companion(frame)->BorderTop, frame_->SkinData1->AtDpi(dpi).Borders[skin::bdTop]->Bitmap.Height() / 2);
    RECT client{};
    GetClientRect(frame, &client);
    EXPECT_EQ(client.right, skin::ScaleLength(client96.right, dpi));
    for (int i = 0; i < frame_->MDIChildCount(); ++i) {
      const skin::TWinSkinForm* child = Companion(frame_->MDIChildren(i)->Handle());
      ASSERT_NE(child, nullptr);
      EXPECT_EQ(child->Dpi, dpi) << i;
    }
    EXPECT_TRUE(ShowsSkinTitleBar(frame, frame_->SkinData1->AtDpi(dpi)));
  }
  change(96);
  const TShape after = ShapeOf(frame);
  EXPECT_TRUE(EqualRect(&before.Bounds, &after.Bounds));
  EXPECT_TRUE(after.Region == before.Region);
  int differ = 0;
  for (std::size_t i = 0; i < after.Pixels.size() && i < before.Pixels.size(); ++i)
    differ += after.Region[i] && after.Pixels[i] != before.Pixels[i];
  EXPECT_EQ(differ, 0);
}

}  // namespace

// Our own skin on a window: its rounded corners, its caption place and its
// active and inactive title bars.
#include <cstdlib>

#include "FrameTestSupport.h"
#include "support/OurSkin.h"

namespace {

using namespace frame_test;

using test_support::OurSkin;

TEST_F(FrameTest, OurSkinFramesTheWindow) {
  auto data = OurSkin();
  ASSERT_FALSE(data->Empty);
  const HWND wnd = Start(std::move(data), RECT{100, 100, 500, 400}, L"Tavrin\u96C6\u4E2D\u529B\u8BAD\u7EC3");
  EXPECT_EQ(form_->BorderLeft, 5);
  EXPECT_EQ(form_->BorderTop, 28);
  EXPECT_EQ(form_->CaptionRect.left, 5 + 25);  // TextShift

  // The rounded outer corners are cut out; the frame's sides are not.
  const int w = Width(), h = Height();
  EXPECT_FALSE(InRegion(wnd, 0, 0));
  EXPECT_FALSE(InRegion(wnd, w - 1, 0));
  EXPECT_TRUE(InRegion(wnd, 0, h / 2));
  EXPECT_TRUE(InRegion(wnd, w / 2, 0));

  // The accent line under the title: red while active, grey while not.
  const TColor active = WindowPixels(wnd).At(w / 2, 27);
  EXPECT_EQ(active, RGBColor(179, 38, 46));
  const TOtherWindow other(wnd);
  const TColor inactive = WindowPixels(wnd).At(w / 2, 27);
  EXPECT_NE(inactive, active);
  EXPECT_LT(std::abs(ui::GetRValue(inactive) - ui::GetGValue(inactive)), 10);
}

}  // namespace

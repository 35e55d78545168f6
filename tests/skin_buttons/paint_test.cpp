// Where the caption buttons go and which frame each shows: placement by
// Align, the title-bar image of an active and an inactive window, and the
// state frames drawn straight onto the window, read back as pixels.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"

namespace {

using namespace button_test;

constexpr COLORREF kIconColour = RGB(0, 128, 255);

class SysButtonPaint : public ::testing::Test {
 protected:
  void TearDown() override {
    window_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  TSkinnedWindow& Window() {
    if (!window_) window_ = std::make_unique<TSkinnedWindow>(*data_, WS_OVERLAPPEDWINDOW, icon_.Get());
    return *window_;
  }

  // The title bar as the frame painter composes it, before the blit.
  ui::TColor TitleBarPixel(int index, bool active) {
    TSkinnedWindow& w = Window();
    ui::TBitmap title;
    title.SetSize(w.Width(), kTop + 8);
    title.Fill(ui::RGBColor(1, 2, 3));
    w.Form().Active = active;
    w.Form().PaintSysButtons(title);
    w.Form().Active = true;
    return title.Pixel(Centre(w.Button(index).Rect).x, Centre(w.Button(index).Rect).y);
  }

  std::unique_ptr<skin::TSkinData> data_ = MakeButtonSkin();
  TSolidIcon icon_{kIconColour};
  std::unique_ptr<TSkinnedWindow> window_;
};

RECT ButtonAt(int left, int top, int width = kButtonW, int height = kButtonH) {
  return RECT{left, top, left + width, top + height};
}

TEST_F(SysButtonPaint, PlacementByAlign) {
  TSkinnedWindow& w = Window();
  const int width = w.Width();
  const int icon = GetSystemMetrics(SM_CXSMICON);
  // Align 1: Xcoord is the distance from the right edge to the button's left side.
  EXPECT_EQ(w.Button(kClose).Rect, ButtonAt(width - 20, 1));
  EXPECT_EQ(w.Button(kMaximize).Rect, ButtonAt(width - 34, 1));
  EXPECT_EQ(w.Button(kMinimize).Rect, ButtonAt(width - 48, 1));
  // Align 0 from the left edge; the icon button takes the size of the window's icon.
  EXPECT_EQ(w.Button(kSystemMenu).Rect, ButtonAt(2, 0, icon, GetSystemMetrics(SM_CYSMICON)));
  EXPECT_EQ(w.Button(kExtra).Rect, ButtonAt(22, 1));
  // Align 2 and 3 beside the caption text.
  EXPECT_EQ(w.Button(kBeforeCaption).Rect, ButtonAt(TSkinnedWindow::kCaption.left - kButtonW - 3, 1));
  EXPECT_EQ(w.Button(kAfterCaption).Rect, ButtonAt(TSkinnedWindow::kCaption.right + 4, 1));
}

TEST_F(SysButtonPaint, TitleBarShowsNormalFramesAndInactiveFrameFourOnlyWhereThereIsOne) {
  EXPECT_EQ(TitleBarPixel(kClose, true), FrameColour(kCloseTag, 1));
  EXPECT_EQ(TitleBarPixel(kMaximize, true), FrameColour(kMaximizeTag, 1));
  EXPECT_EQ(TitleBarPixel(kExtra, true), FrameColour(kExtraTag, 1));
  EXPECT_EQ(TitleBarPixel(kSystemMenu, true), ui::TColor(kIconColour));
  EXPECT_EQ(TitleBarPixel(kClose, false), FrameColour(kCloseTag, 4));
  EXPECT_EQ(TitleBarPixel(kMinimize, false), FrameColour(kMinimizeTag, 4));
  EXPECT_EQ(TitleBarPixel(kExtra, false), FrameColour(kExtraTag, 1));  // three frames: no inactive look
  EXPECT_EQ(TitleBarPixel(kSystemMenu, false), ui::TColor(kIconColour));
}

TEST_F(SysButtonPaint, StateChangesAreDrawnOnTheWindow) {
  TSkinnedWindow& w = Window();
  const POINT close = w.ScreenPoint(kClose);
  const POINT maximize = w.ScreenPoint(kMaximize);

  w.Send(WM_NCMOUSEMOVE, close);
  EXPECT_EQ(w.Form().HotObject, &w.Button(kClose));
  EXPECT_EQ(w.Button(kClose).State, skin::ncsHot);
  EXPECT_EQ(w.PixelOf(kClose), FrameColour(kCloseTag, 3));

  w.Send(WM_NCLBUTTONDOWN, close);
  EXPECT_EQ(w.Button(kClose).State, skin::ncsPressed);
  EXPECT_EQ(w.PixelOf(kClose), FrameColour(kCloseTag, 2));

  // Onto the next button: the pressed one returns to normal, only one is hot.
  w.Send(WM_NCMOUSEMOVE, maximize);
  EXPECT_EQ(w.PixelOf(kClose), FrameColour(kCloseTag, 1));
  EXPECT_EQ(w.Button(kClose).State, skin::ncsNormal);
  EXPECT_EQ(w.PixelOf(kMaximize), FrameColour(kMaximizeTag, 3));
  EXPECT_EQ(w.Form().HotObject, &w.Button(kMaximize));

  // Onto the bare caption.
  w.Send(WM_NCMOUSEMOVE, FrameToScreen(w.Wnd(), POINT{150, 5}));
  EXPECT_EQ(w.PixelOf(kMaximize), FrameColour(kMaximizeTag, 1));
  EXPECT_EQ(w.Form().HotObject, nullptr);
}

}  // namespace

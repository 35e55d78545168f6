// Our own skin's caption buttons on a window: where they sit, the icon
// button showing the window's icon, and each state's frame, pixel for pixel.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "support/OurSkin.h"
#include "skin/draw/ScratchBitmap.h"

namespace {

using namespace button_test;

constexpr COLORREF kIconColour = RGB(40, 160, 60);

using test_support::OurSkin;

// The pixels of `area` in `dc`.
std::unique_ptr<ui::TBitmap> Grab(HDC dc, const RECT& area) {
  auto copy = std::make_unique<ui::TBitmap>();
  copy->SetPixelFormat(ui::TPixelFormat::pf32bit);
  copy->SetSize(area.right - area.left, area.bottom - area.top);
  BitBlt(copy->Canvas().Handle(), 0, 0, copy->Width(), copy->Height(), dc, area.left, area.top, SRCCOPY);
  return copy;
}

// Pixels of `shown` that differ from frame `frame` of the button's image.
int DifferentPixels(const ui::TBitmap& shown, const skin::TDataSkinSysButton& skin, int frame) {
  const int w = skin.Bitmap.Width() / skin.SafeFrameCount();
  int different = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      different += shown.Pixel(x, y) != skin.Bitmap.Pixel((frame - 1) * w + x, y);
  return different;
}

class SysButtonOurSkin : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(data_->Empty); }
  void TearDown() override {
    window_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  TSkinnedWindow& Window(DWORD style = WS_OVERLAPPEDWINDOW) {
    if (!window_) window_ = std::make_unique<TSkinnedWindow>(*data_, style, icon_.Get());
    return *window_;
  }
  skin::TWinSysButton& Named(const std::string& name) {
    for (auto& button : Window().Form().SysButtons)
      if (button->SkinButton->Name == name) return *button;
    throw std::runtime_error("no button " + name);
  }
  int ShownOnWindow(skin::TWinSysButton& button, int frame) {
    HDC dc = GetWindowDC(Window().Wnd());
    const auto shown = Grab(dc, button.Rect);
    ReleaseDC(Window().Wnd(), dc);
    return DifferentPixels(*shown, *button.SkinButton, frame);
  }

  skin::TScratchBitmapOwner scratch_;  // the frame painter needs it, as at program start-up
  std::unique_ptr<skin::TSkinData> data_ = OurSkin();
  TSolidIcon icon_{kIconColour};
  std::unique_ptr<TSkinnedWindow> window_;
};

TEST_F(SysButtonOurSkin, ButtonsSitAtTheRightEndAndTheIconAtTheLeft) {
  const int width = Window().Width();
  EXPECT_EQ(Named("BUTTON.CLOSE").Rect, (RECT{width - 37, 3, width - 7, 23}));
  EXPECT_EQ(Named("BUTTON.MAXIMIZE").Rect, (RECT{width - 69, 3, width - 39, 23}));
  EXPECT_EQ(Named("BUTTON.MINIMIZE").Rect, (RECT{width - 101, 3, width - 71, 23}));
  EXPECT_FALSE(Named("BUTTON.RESTORE").Visible);
  EXPECT_FALSE(Named("BUTTON.MINIMIZEALONE").Visible);
  const int icon = GetSystemMetrics(SM_CXSMICON);
  EXPECT_TRUE(Named("BUTTON.SYSTEMMENU").Visible);
  EXPECT_EQ(Named("BUTTON.SYSTEMMENU").Rect, (RECT{10, 5, 10 + icon, 5 + GetSystemMetrics(SM_CYSMICON)}));
}

TEST_F(SysButtonOurSkin, HotAndPressedFramesOnTheWindow) {
  TSkinnedWindow& w = Window();
  skin::TWinSysButton& close = Named("BUTTON.CLOSE");
  const POINT at = FrameToScreen(w.Wnd(), Centre(close.Rect));
  w.Send(WM_NCMOUSEMOVE, at);
  EXPECT_EQ(ShownOnWindow(close, 3), 0);
  EXPECT_GT(ShownOnWindow(close, 1), 0);  // the hot look differs from the normal one
  w.Send(WM_NCLBUTTONDOWN, at);
  EXPECT_EQ(ShownOnWindow(close, 2), 0);
  w.Send(WM_NCMOUSEMOVE, FrameToScreen(w.Wnd(), POINT{150, 10}));
  EXPECT_EQ(ShownOnWindow(close, 1), 0);
}

TEST_F(SysButtonOurSkin, FramePaintShowsTheButtonsAndEndsAnyHotState) {
  TSkinnedWindow& w = Window();
  skin::TWinSysButton& close = Named("BUTTON.CLOSE");
  const auto repaintFrame = [&] {
    RedrawWindow(w.Wnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  };
  repaintFrame();
  EXPECT_EQ(ShownOnWindow(close, 1), 0);
  const POINT icon = Centre(Named("BUTTON.SYSTEMMENU").Rect);
  EXPECT_EQ(FramePixel(w.Wnd(), icon), ui::TColor(kIconColour));

  w.Send(WM_NCMOUSEMOVE, FrameToScreen(w.Wnd(), Centre(close.Rect)));
  ASSERT_EQ(ShownOnWindow(close, 3), 0);
  repaintFrame();
  EXPECT_EQ(w.Form().HotObject, nullptr);
  EXPECT_EQ(ShownOnWindow(close, 1), 0);

  // An inactive window shows the inactive frame.
  HWND other = CreateWindowExW(0, RecordingClass(), L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400, 200, 150,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(PumpUntil([&] { return !w.Form().Active; }));
  repaintFrame();
  EXPECT_EQ(ShownOnWindow(close, 4), 0);
  DestroyWindow(other);
}

}  // namespace

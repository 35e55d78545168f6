// The skinned frame's layout and painting: client placement, the borders and
// title bar with the frame of the activation state, stretched or tiled
// middles, the composed title bar, the update region, the client under a
// low inactive title bar, and bad skin data.
#include <climits>

#include "FrameTestSupport.h"

namespace {

using namespace frame_test;

POINT ClientOrigin(HWND wnd) {
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  const RECT window = WindowBounds(wnd);
  return POINT{origin.x - window.left, origin.y - window.top};
}

TEST_F(FrameTest, ClientAreaSitsInsideTheSkinBordersAndMenuBar) {
  const HWND wnd = Skin();
  RECT client{};
  GetClientRect(wnd, &client);
  EXPECT_EQ(ClientOrigin(wnd).x, kLeft);
  EXPECT_EQ(ClientOrigin(wnd).y, 30);
  EXPECT_EQ(Width() - kLeft - client.right, kRight);
  EXPECT_EQ(Height() - 30 - client.bottom, 4);

  form_->MenuBarHeight = 19;
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientOrigin(wnd).y, 30 + 19);
}

TEST_F(FrameTest, BordersShowTheFrameOfTheActivationState) {
  const HWND wnd = Skin({.TextBack = false});
  const int w = Width(), h = Height();
  // Row 1 of the title bar is clear of the caption text.
  const auto check = [&](int frame) {
    const TPixels p = WindowPixels(wnd);
    EXPECT_EQ(p.At(3, 10), RGBColor(std::uint8_t(3 + kLeft * frame), 10, 1));
    EXPECT_EQ(p.At(2, h - 1), RGBColor(std::uint8_t(2 + kLeft * frame), 39, 1));
    EXPECT_EQ(p.At(w - kRight + 2, 10), RGBColor(2, 10, 2));  // a single frame serves both states
    EXPECT_EQ(p.At(kLeft + 2, 1), RGBColor(2, std::uint8_t(1 + 30 * frame), 3));
    EXPECT_EQ(p.At(w - kRight - 1, 1), RGBColor(kTopWidth - 1, std::uint8_t(1 + 30 * frame), 3));
    EXPECT_EQ(p.At(w / 2, h - 1) & 0xFFFF00u, RGBColor(0, std::uint8_t(3 + 4 * frame), 4));
  };
  check(0);
  {
    const TOtherWindow other(wnd);
    EXPECT_FALSE(form_->Active);
    check(1);
  }
}

TEST_F(FrameTest, TopBorderMiddleIsStretchedOrTiled) {
  for (const int stretch : {0, 1}) {
    const HWND wnd = Skin({.TopStretch = stretch, .TextBack = false});
    const TPixels p = WindowPixels(wnd);
    const int first = kLeft + kTopEnds, middle = Width() - kLeft - kRight - 2 * kTopEnds;
    const int source = kTopWidth - 2 * kTopEnds;
    int previous = 0;
    for (int c = 0; c < middle; ++c) {
      const int red = ui::GetRValue(p.At(first + c, 1));
      if (stretch == 0) {
        ASSERT_EQ(red, kTopEnds + c % source) << "column " << c;
      } else {
        ASSERT_GE(red, previous) << "column " << c;
        previous = red;
      }
    }
    if (stretch == 1) {
      EXPECT_EQ(ui::GetRValue(p.At(first, 1)), kTopEnds);
      EXPECT_EQ(ui::GetRValue(p.At(first + middle - 1, 1)), kTopWidth - kTopEnds - 1);
    }
  }
}

TEST_F(FrameTest, TitleBarIsComposedInFrameBitmapAsTheWindowShowsIt) {
  const HWND wnd = Skin();
  Repaint();
  const TPixels p = WindowPixels(wnd);
  ASSERT_EQ(form_->FrameBitmap.Width(), Width());
  ASSERT_EQ(form_->FrameBitmap.Height(), 30);
  // (The window keeps no pixels outside its region.)
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < Width(); ++x) {
      if (!InRegion(wnd, x, y)) continue;
      ASSERT_EQ(form_->FrameBitmap.Pixel(x, y), p.At(x, y)) << x << "," << y;
    }
}

TEST_F(FrameTest, NcPaintPaintsItsUpdateRegion) {
  const HWND wnd = Skin();
  const RECT window = WindowBounds(wnd);
  const auto blacken = [&] {
    ui::WindowDC dc(wnd, true);
    const RECT all{0, 0, Width(), Height()};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  };
  blacken();
  // The left half of the window, in screen coordinates like the system's own.
  ui::RegionHandle left(CreateRectRgn(window.left, window.top, window.left + Width() / 2, window.bottom));
  EXPECT_EQ(SendMessageW(wnd, WM_NCPAINT, WPARAM(left.Get()), 0), 0);
  EXPECT_NE(GetObjectType(left.Get()), 0u);  // the sender's region is left alone
  TPixels p = WindowPixels(wnd);
  EXPECT_EQ(p.At(3, 10), LeftPixel(3, 10));
  EXPECT_EQ(p.At(Width() - 2, 10), RGBColor(0, 0, 0));

  SendMessageW(wnd, WM_NCPAINT, 1, 0);  // the whole frame
  p = WindowPixels(wnd);
  EXPECT_EQ(p.At(Width() - kRight + 2, 10), RGBColor(2, 10, 2));
}

// Paints a red client area: what the client shows must survive the frame's
// painting.
LRESULT CALLBACK RedClientProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropW(wnd, L"TavrinPrevious"));
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    ui::BrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
    RECT client{};
    GetClientRect(wnd, &client);
    FillRect(dc, &client, red.Get());
    EndPaint(wnd, &ps);
    return 0;
  }
  return CallWindowProcW(previous, wnd, msg, wParam, lParam);
}

TEST_F(FrameTest, LowTitleBarOfAnInactiveWindowKeepsTheClientsPicture) {
  const HWND wnd = Skin({.Top = 10, .TextBack = false});
  const int systemCaption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
  ASSERT_GT(systemCaption, 10);
  SetPropW(wnd, L"TavrinPrevious", reinterpret_cast<HANDLE>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)));
  SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RedClientProc));
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  {
    const TOtherWindow other(wnd);
    Pump();
    const TPixels p = WindowPixels(wnd);
    EXPECT_EQ(p.At(kLeft + 2, 1), RGBColor(2, 11, 3));  // the inactive title bar
    for (int y = 10; y < systemCaption + 2; ++y) EXPECT_EQ(p.At(Width() / 2, y), RGBColor(255, 0, 0)) << y;
  }
  SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(wnd, L"TavrinPrevious")));
  RemovePropW(wnd, L"TavrinPrevious");
}

TEST_F(FrameTest, BrokenSkinDataPaintsWithoutCrashing) {
  const HWND wnd = Skin({.Alignment = 1});
  skin::TSkinData& data = *data_;
  data.Borders[skin::bdTop]->Bitmap.Clear();
  data.Borders[skin::bdLeft]->FrameCount = 0;
  data.Borders[skin::bdBottom]->FrameCount = -3;
  auto& right = *data.Borders[skin::bdRight];
  right.LeftWidth = right.RightWidth = right.BottomHeight = INT_MAX;
  right.TopHeight = INT_MIN;
  auto& title = *data.Title;
  title.TXTBackleft = INT_MAX;
  title.TXTBackRight = INT_MIN;
  title.LeftWidth = INT_MIN;
  title.TopHeight = INT_MAX;
  title.RightWidth = INT_MAX;
  const auto paintAndShape = [&] {
    Repaint();
    form_->SkinState = skin::ssReskinning;
    form_->UpdateRegion();
    form_->SkinState = skin::ssRunning;
  };
  for (const int alignment : {0, 1, 2}) {
    title.TextAlignment = alignment;
    paintAndShape();
  }
  Resize(3, 3);  // smaller than its borders
  paintAndShape();
  form_->ComputeFrameMetrics();  // an empty top image: no title bar at all
  SetWindowPos(wnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  paintAndShape();
  EXPECT_EQ(form_->BorderTop, 0);
  EXPECT_TRUE(form_->FrameBitmap.Empty());
  EXPECT_TRUE(IsWindow(wnd));
}

}  // namespace

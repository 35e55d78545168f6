// A skinned window resized through several sizes, odd ones included, in each
// built-in skin and in test skins: the region built from the kept border parts
// and title bar is the region of the plain build (every strip drawn afresh and
// cut run by run), and the frame painted from kept images (caption buttons
// included) is the frame composed anew.
#include "FrameTestSupport.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/TitleBar.h"
#include "support/OurSkin.h"
#include "support/RectCompare.h"

namespace {

using namespace frame_test;

// Key colour with the region builder's tolerance of 1 per channel.
bool IsKey(TColor c) {
  const int r = ui::GetRValue(c), g = ui::GetGValue(c), b = ui::GetBValue(c);
  return r == 255 && g <= 1 && b == 255;
}

// The non-key pixels of `bitmap`'s area, one region per run, ORed into `into`
// at (x, y).
void AddRuns(ui::RegionHandle& into, const ui::TBitmap& bitmap, const RECT& area, int x, int y) {
  for (int row = area.top; row < area.bottom; ++row)
    for (int col = area.left; col < area.right;) {
      if (IsKey(bitmap.Pixel(col, row))) {
        ++col;
        continue;
      }
      const int start = col;
      while (col < area.right && !IsKey(bitmap.Pixel(col, row))) ++col;
      ui::RegionHandle run(CreateRectRgn(x + start - area.left, y + row - area.top, x + col - area.left,
                                         y + row - area.top + 1));
      CombineRgn(into.Get(), into.Get(), run.Get(), RGN_OR);
    }
}

void AddRect(ui::RegionHandle& into, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  ui::RegionHandle rect(CreateRectRgn(left, top, right, bottom));
  CombineRgn(into.Get(), into.Get(), rect.Get(), RGN_OR);
}

// The plain build of a w x h window's region: the inner rectangle, each
// shaped border drawn afresh into a bitmap of its own, the title bar
// composed afresh, all cut pixel run by pixel run.
ui::RegionHandle PlainRegion(skin::TWinSkinForm& f, int w, int h) {
  f.DropFrameCache();
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  AddRect(region, f.BorderLeft, f.BorderTop, w - f.BorderRight, h - f.BorderBottom);
  const auto shaped = [&](skin::TBorderIndex i) { return f.SkinData->Borders[i] && f.SkinData->Borders[i]->Trans == 1; };
  const auto border = [&](int index, int bw, int bh, int x, int y) {
    ui::TBitmap strip;
    strip.SetSize(bw, bh);
    f.DrawBorder(index, {0, 0, bw, bh}, strip.Canvas().Handle());
    AddRuns(region, strip, {0, 0, bw, bh}, x, y);
  };
  if (shaped(skin::bdLeft) && h > 1) border(1, f.BorderLeft, h, 0, 0);
  else AddRect(region, 0, 0, f.BorderLeft, h);
  if (shaped(skin::bdRight) && h > 1) border(2, f.BorderRight, h, w - f.BorderRight, 0);
  else AddRect(region, w - f.BorderRight, 0, w, h);
  const int inner = w - f.BorderLeft - f.BorderRight;
  if (shaped(skin::bdBottom) && f.BorderBottom >= 2 && inner > 0)
    border(4, inner, f.BorderBottom, f.BorderLeft, h - f.BorderBottom);
  else AddRect(region, f.BorderLeft, h - f.BorderBottom, w - f.BorderRight, h);
  if (shaped(skin::bdTop) && f.BorderTop > 1 && inner > 0) {
    skin::ComposeTitleBar(f, w, h);
    AddRuns(region, f.FrameBitmap, {f.BorderLeft, 0, w - f.BorderRight, f.BorderTop}, f.BorderLeft, 0);
  } else {
    AddRect(region, f.BorderLeft, 0, w - f.BorderRight, f.BorderTop);
  }
  return region;
}

class ResizeTest : public FrameTest {
 protected:
  std::vector<RECT> ButtonRects() const {
    std::vector<RECT> rects;
    for (const auto& button : form_->SysButtons) rects.push_back(button->Rect);
    return rects;
  }

  // Resizes through the sizes; at each, the window's region against the
  // plain build, and its frame painted from kept images against the frame
  // composed anew.
  void CheckSizes() {
    const SIZE sizes[] = {{713, 548}, {801, 603}, {713, 548}, {333, 211}, {97, 61}, {41, 23}, {1100, 70}};
    for (const SIZE size : sizes) {
      Resize(size.cx, size.cy);
      const int w = Width(), h = Height();
      SCOPED_TRACE(testing::Message() << w << "x" << h);
      ui::RegionHandle built(CreateRectRgn(0, 0, 0, 0));
      ASSERT_NE(GetWindowRgn(window_->Get(), built.Get()), ERROR);
      Repaint();
      const TPixels kept = WindowPixels(window_->Get());
      const std::vector<RECT> keptButtons = ButtonRects();
      const ui::RegionHandle plain = PlainRegion(*form_, w, h);
      EXPECT_TRUE(EqualRgn(built.Get(), plain.Get()));
      form_->DropFrameCache();
      Repaint();
      EXPECT_TRUE(kept.Data == WindowPixels(window_->Get()).Data);
      EXPECT_EQ(keptButtons, ButtonRects());  // where the mouse finds them
    }
  }
};

// A window procedure that keeps WM_WINDOWPOSCHANGED from the default one, so
// no WM_SIZE follows a size change.
LRESULT CALLBACK WithoutSizeMessages(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return msg == WM_WINDOWPOSCHANGED ? 0 : DefWindowProcW(wnd, msg, wParam, lParam);
}

// A size change as programs and the system make it (WM_WINDOWPOSCHANGING
// sent): when SetWindowPos returns, with nothing pumped, the window has the
// region of its new size and shows the frame composed anew for it, with the
// caption buttons where the mouse finds them, also when no WM_SIZE comes and
// when the size is the one before (its kept images come back).
TEST_F(ResizeTest, ASizeChangeEndsWithTheRegionAndFrameOfTheNewSize) {
  for (const WNDPROC procedure : {WNDPROC(nullptr), &WithoutSizeMessages}) {
    SCOPED_TRACE(procedure ? "no WM_SIZE" : "WM_SIZE");
    windowProc_ = procedure;
    Start(test_support::OurSkin(), RECT{100, 100, 500, 400}, L"Tavrin集中力训练");
    // Back to the size before, then to a new one; a check drops the kept images.
    SetWindowPos(window_->Get(), nullptr, 0, 0, 480, 360, SWP_NOMOVE | SWP_NOZORDER);
    for (const SIZE size : {SIZE{300, 200}, SIZE{480, 360}, SIZE{520, 380}}) {
      SetWindowPos(window_->Get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
      ASSERT_EQ(Width(), size.cx);
      if (size.cx == 300) continue;
      ui::RegionHandle set(CreateRectRgn(0, 0, 0, 0));
      ASSERT_NE(GetWindowRgn(window_->Get(), set.Get()), ERROR);
      const TPixels shown = WindowPixels(window_->Get());
      const std::vector<RECT> buttons = ButtonRects();
      EXPECT_TRUE(EqualRgn(set.Get(), PlainRegion(*form_, size.cx, size.cy).Get()));
      Repaint();
      EXPECT_TRUE(shown.Data == WindowPixels(window_->Get()).Data);
      EXPECT_EQ(buttons, ButtonRects());
    }
  }
}

TEST_F(ResizeTest, RegionAndFrameOfEachSizeAreThePlainOnesInEverySkin) {
  for (const wchar_t* resource : {L"TAVRINSKIN", L"TAVRINSKIN_JADE", L"TAVRINSKIN_NIGHT"}) {
    SCOPED_TRACE(testing::Message() << "built-in skin " << (resource[10] ? resource + 11 : L"CHARCOAL"));
    Start(test_support::OurSkin(resource), RECT{100, 100, 500, 400}, L"Tavrin集中力训练");
    CheckSizes();
  }
  // Cut corners, a key-coloured row in a tiled or stretched middle, a bottom
  // border taller than the window can give, a title taller than the side
  // borders' images.
  const TFrameSkin testSkins[] = {{}, {.TopStretch = 0, .Alignment = 1}, {.Bottom = 30}, {.Top = 52, .Alignment = 2}};
  for (const TFrameSkin& frameSkin : testSkins) {
    SCOPED_TRACE(testing::Message() << "test skin, title " << frameSkin.Top << ", bottom " << frameSkin.Bottom);
    Skin(frameSkin);
    CheckSizes();
  }
}

}  // namespace

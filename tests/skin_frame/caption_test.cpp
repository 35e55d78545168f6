// The caption on the title bar: alignment, shifts, right clip, ellipsis, the
// text background strip, the colours of the activation state, wide text.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "FrameTestSupport.h"

namespace {

using namespace frame_test;

// The caption's text measured as the title bar draws it.
SIZE Measure(const skin::TWinSkinForm& form, const std::wstring& text) {
  ui::MemoryDC dc;
  ui::SelectGuard font(dc.Get(), form.CaptionFont.Get());
  RECT r{};
  DrawTextW(dc.Get(), text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return SIZE{r.right, r.bottom};
}

// The box of the pixels in `area` that are not the strip's colour.
struct TInk {
  int Left = INT_MAX, Top = INT_MAX, Right = -1, Bottom = -1;
};

TInk FindInk(const TPixels& p, const RECT& area, TColor strip) {
  TInk ink;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (p.At(x, y) != strip) {
        ink.Left = std::min(ink.Left, x);
        ink.Right = std::max(ink.Right, x);
        ink.Top = std::min(ink.Top, y);
        ink.Bottom = std::max(ink.Bottom, y);
      }
  return ink;
}

// The caption's columns of the title bar. Row 0 is left out: where the
// border's key colour lies under the caption, the region built at start-up
// may cut it out (the region is not rebuilt when only the caption moves).
RECT TitleColumns(const RECT& caption) { return RECT{caption.left, 1, caption.right, 30}; }

// Some pixel of the caption is (nearly) `colour`: the glyphs' full strokes.
bool ShowsColour(const TPixels& p, const RECT& area, TColor colour) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const TColor c = p.At(x, y);
      if (std::abs(ui::GetRValue(c) - ui::GetRValue(colour)) < 40 &&
          std::abs(ui::GetGValue(c) - ui::GetGValue(colour)) < 40 &&
          std::abs(ui::GetBValue(c) - ui::GetBValue(colour)) < 40)
        return true;
    }
  return false;
}

TEST_F(FrameTest, AlignmentShiftAndRightClipPlaceTheCaption) {
  const HWND wnd = Skin({.Shift = 7, .RightClip = 20, .BackLeft = 5, .BackRight = 5});
  const int areaLeft = kLeft, areaWidth = Width() - kLeft - kRight, clipLine = Width() - kRight - 20;
  const SIZE text = Measure(*form_, L"   Frame");
  const int width = text.cx + 10;
  const struct {
    int Alignment, Left;
  } cases[] = {{0, areaLeft + 7}, {1, areaLeft + (areaWidth - width) / 2}, {2, areaLeft + areaWidth - width + 20},
               {7, areaLeft}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Alignment);
    data_->Title->TextAlignment = c.Alignment;
    Repaint();
    const RECT r = form_->CaptionRect;
    EXPECT_EQ(r.left, c.Left);
    EXPECT_EQ(r.right, std::min(c.Left + width, clipLine));
    EXPECT_EQ(r.top, (30 - text.cy) / 2);
    // The strip covers the caption rectangle over the whole title height.
    const TPixels p = WindowPixels(wnd);
    EXPECT_EQ(p.At(r.left, 1), Strip());
    EXPECT_EQ(p.At(r.right - 1, 29), Strip());
    EXPECT_NE(p.At(r.left - 1, 1), Strip());
    EXPECT_NE(p.At(r.right, 1), Strip());
    const TInk ink = FindInk(p, TitleColumns(r), Strip());
    EXPECT_GE(ink.Left, r.left + 5);
    EXPECT_LT(ink.Right, r.right - 5);
  }
}

TEST_F(FrameTest, VerticalShiftMovesTheCaptionByHalf) {
  Skin();
  const auto inkTop = [&](int shift) {
    data_->Title->TopHeight = shift;
    Repaint();
    EXPECT_EQ(form_->CaptionRect.top, (30 - Measure(*form_, L"   Frame").cy) / 2 + shift / 2);
    return FindInk(WindowPixels(window_->Get()), TitleColumns(form_->CaptionRect), Strip()).Top;
  };
  const int centred = inkTop(0);
  EXPECT_EQ(inkTop(5), centred + 2);
  EXPECT_EQ(inkTop(-5), centred - 2);
}

TEST_F(FrameTest, LongCaptionEndsWithAnEllipsisBeforeTheClipLine) {
  const std::wstring caption(60, L'W');
  const HWND wnd = Skin({.RightClip = 30}, RECT{100, 100, 400, 300}, caption.c_str());
  const int clipLine = Width() - kRight - 30;
  const RECT r = form_->CaptionRect;
  EXPECT_EQ(r.right, clipLine);
  ASSERT_GT(Measure(*form_, L"   " + caption).cx, clipLine - r.left);

  const TPixels p = WindowPixels(wnd);
  const TInk ink = FindInk(p, TitleColumns(r), Strip());
  EXPECT_LT(ink.Right, clipLine - 3);
  EXPECT_GT(ink.Right, clipLine - 3 - Measure(*form_, L"W").cx - 2);  // the text fills the space
  // The last columns hold the dots: ink only in the lower half of the text.
  const int dots = Measure(*form_, L"...").cx;
  for (int x = ink.Right - dots / 2; x <= ink.Right; ++x)
    for (int y = ink.Top; y <= (ink.Top + ink.Bottom) / 2; ++y)
      EXPECT_EQ(p.At(x, y), Strip()) << x << "," << y;
}

TEST_F(FrameTest, CaptionColourAndStripFollowTheActivation) {
  const HWND wnd = Skin();
  TPixels p = WindowPixels(wnd);
  const RECT r = TitleColumns(form_->CaptionRect);
  EXPECT_EQ(p.At(r.left, 1), kStripActive);
  EXPECT_TRUE(ShowsColour(p, r, kTextActive));
  EXPECT_FALSE(ShowsColour(p, r, kTextInactive));
  const TOtherWindow other(wnd);
  p = WindowPixels(wnd);
  EXPECT_EQ(p.At(r.left, 1), kStripInactive);
  EXPECT_TRUE(ShowsColour(p, r, kTextInactive));
  EXPECT_FALSE(ShowsColour(p, r, kTextActive));
}

TEST_F(FrameTest, CaptionIsTheWindowsWideTextAsItIs) {
  const std::wstring caption = L"Tavrin\u96C6\u4E2D\u529B\u8BAD\u7EC3 & Co";  // Tavrin集中力训练 & Co
  Skin({}, RECT{100, 100, 500, 400}, caption.c_str());
  const RECT r = form_->CaptionRect;
  EXPECT_EQ(r.right - r.left, Measure(*form_, L"   " + caption).cx + 6);
  // A changed text shows at the next paint.
  SetWindowTextW(window_->Get(), L"Tavrin");
  Repaint();
  EXPECT_EQ(form_->CaptionRect.right - form_->CaptionRect.left, Measure(*form_, L"   Tavrin").cx + 6);
}

TEST_F(FrameTest, NewTextKeepsTheSkinnedTitleBarOfAWindowWithoutForm) {
  const HWND wnd = Skin({.TextBack = false});
  SetWindowTextW(wnd, L"A new caption");  // no repaint asked for: the system paints its caption now
  const int frame = form_->Active ? 0 : 1;
  const TPixels p = WindowPixels(wnd);
  EXPECT_EQ(p.At(kLeft + 2, 1), RGBColor(2, std::uint8_t(1 + 30 * frame), 3));
  EXPECT_EQ(p.At(3, 10), RGBColor(std::uint8_t(3 + kLeft * frame), 10, 1));
}

}  // namespace

// The skinned bars of scrolling controls: where they are drawn, what they
// show while the system scrolls, what they keep from the system, and that
// detaching gives the control back.
#include <memory>
#include <string>

#include "skin_scroll/ScrollTestSupport.h"
#include "ui/ListBox.h"

namespace scroll_test {
namespace {


// A list box with both bars: more lines than fit, and lines wider than it.
ui::TListBox* NewListBox(ui::TForm* form) {
  auto* box = new ui::TListBox(form);
  box->SetParent(form);
  box->SetBounds(20, 20, 200, 150);
  std::vector<std::wstring> items;
  for (int i = 0; i < 60; ++i)
    items.push_back(L"Line " + std::to_wstring(i) + L" is a good deal wider than the list box it sits in");
  box->SetItems(items);
  return box;
}

// The centre of a rectangle's stretch along a bar at `along` pixels from its start.
POINT At(const RECT& bar, bool horizontal, int along) {
  return horizontal ? POINT{bar.left + along, (bar.top + bar.bottom) / 2}
                    : POINT{(bar.left + bar.right) / 2, bar.top + along};
}

using ScrollBars = ScrollTest;

TEST_F(ScrollBars, BothBarsLieOverTheSystemsWithTheCornerInTheFaceColour) {
  ui::TForm* form = NewForm();
  ui::TListBox* box = NewListBox(form);
  Skin(form);
  auto* bars = dynamic_cast<skin::TSkinScrollBar*>(CompanionOf(box->Handle()));
  ASSERT_NE(bars, nullptr);
  EXPECT_TRUE(bars->DragThumb);
  PumpFor(50);
  const HWND wnd = box->Handle();
  ASSERT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);

  // Exactly where the system keeps (and hit-tests) its bars.
  RECT systemVert = SystemBarRect(wnd, false), systemHorz = SystemBarRect(wnd, true);
  // (The system counts the corner's first pixel into both of its bars.)
  --systemVert.bottom;
  --systemHorz.right;
  EXPECT_TRUE(EqualRect(&bars->VertBarRect, &systemVert)) << Describe(bars->VertBarRect) << " " << Describe(systemVert);
  EXPECT_TRUE(EqualRect(&bars->HorzBarRect, &systemHorz)) << Describe(bars->HorzBarRect) << " " << Describe(systemHorz);
  const RECT corner{bars->VertBarRect.left, bars->HorzBarRect.top, bars->VertBarRect.right,
                    bars->HorzBarRect.bottom};
  EXPECT_TRUE(EqualRect(&bars->CornerRect, &corner));

  const TShot shot(wnd);
  EXPECT_EQ(shot.Count(kFace, corner), Arrow() * Arrow());
  const RECT& v = bars->VertBarRect;
  const RECT& h = bars->HorzBarRect;
  POINT p = At(v, false, 8);
  EXPECT_EQ(shot.At(p.x, p.y), ArrowColour(9));
  p = At(v, false, RectHeight(v) - 8);
  EXPECT_EQ(shot.At(p.x, p.y), ArrowColour(13));
  p = At(h, true, 8);
  EXPECT_EQ(shot.At(p.x, p.y), ArrowColour(1));
  p = At(h, true, RectWidth(h) - 8);
  EXPECT_EQ(shot.At(p.x, p.y), ArrowColour(5));
  // At the top: the thumb right below the up arrow, then the track.
  const skin::TScrollMetrics& vm = bars->VertMetrics;
  p = At(v, false, Arrow() + vm.ThumbLength / 2);
  EXPECT_EQ(shot.At(p.x, p.y), kVertThumb[1]);
  p = At(v, false, Arrow() + vm.ThumbLength + 2);
  EXPECT_EQ(shot.At(p.x, p.y), kVertTrack);
  p = At(h, true, Arrow() + bars->HorzMetrics.ThumbLength + 2);
  EXPECT_EQ(shot.At(p.x, p.y), kHorzTrack);
}

TEST_F(ScrollBars, ScrollMessagesShowTheArrowOrThumbPressedUntilTheScrollEnds) {
  ui::TForm* form = NewForm();
  ui::TListBox* box = NewListBox(form);
  Skin(form);
  auto* bars = dynamic_cast<skin::TSkinScrollBar*>(CompanionOf(box->Handle()));
  ASSERT_NE(bars, nullptr);
  const HWND wnd = box->Handle();
  auto pixel = [&](bool horizontal, int along) {
    const RECT& bar = horizontal ? bars->HorzBarRect : bars->VertBarRect;
    const POINT p = At(bar, horizontal, along < 0 ? (horizontal ? RectWidth(bar) : RectHeight(bar)) + along : along);
    return TShot(wnd).At(p.x, p.y);
  };

  SendMessageW(wnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(bars->PressedPart, skin::spDownArrow);
  EXPECT_EQ(pixel(false, -8), ArrowColour(14));
  EXPECT_EQ(pixel(false, 8), ArrowColour(9));
  EXPECT_EQ(SendMessageW(wnd, LB_GETTOPINDEX, 0, 0), 1);  // the list box scrolled itself

  SendMessageW(wnd, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(pixel(false, 8), ArrowColour(10));
  EXPECT_EQ(pixel(false, -8), ArrowColour(13));

  SendMessageW(wnd, WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(pixel(true, -8), ArrowColour(6));
  EXPECT_EQ(pixel(false, 8), ArrowColour(9));  // one part at a time
  SendMessageW(wnd, WM_HSCROLL, SB_LINELEFT, 0);
  EXPECT_EQ(pixel(true, 8), ArrowColour(2));

  SendMessageW(wnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20), 0);
  EXPECT_EQ(bars->PressedPart, skin::spVertThumb);
  const skin::TScrollMetrics& vm = bars->VertMetrics;
  EXPECT_EQ(pixel(false, Arrow() + vm.ThumbOffset + vm.ThumbLength / 2), kVertThumb[2]);

  SendMessageW(wnd, WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(bars->PressedPart, skin::spNone);
  EXPECT_EQ(pixel(false, Arrow() + vm.ThumbOffset + vm.ThumbLength / 2), kVertThumb[1]);
  EXPECT_EQ(pixel(false, 8), ArrowColour(9));
  EXPECT_EQ(pixel(true, 8), ArrowColour(1));
}

TEST_F(ScrollBars, MouseMovesOverTheBarsNeverReachTheSystem) {
  const HWND edit = BareChild(L"EDIT", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | WS_BORDER, RECT{10, 10, 210, 160});
  TPassedOn passed(edit);
  skin::TSkinScrollBar bars(nullptr);
  ASSERT_TRUE(bars.AttachScrollWindow(edit, data_.get(), true, nullptr));
  for (WPARAM hit : {WPARAM(HTVSCROLL), WPARAM(HTHSCROLL), WPARAM(HTBORDER), WPARAM(HTCLIENT)})
    SendMessageW(edit, WM_NCMOUSEMOVE, hit, MAKELPARAM(5, 5));
  std::vector<WPARAM> reached;
  for (const auto& seen : passed.Seen)
    if (seen.Msg == WM_NCMOUSEMOVE) reached.push_back(seen.WParam);
  EXPECT_EQ(reached, (std::vector<WPARAM>{HTBORDER, HTCLIENT}));
}

TEST_F(ScrollBars, ABarShorterThanTwoArrowsShowsTwoHalfArrows) {
  // A bar one pixel short of two arrows, or less: two half-length arrows, no track.
  for (int height : {2 * Arrow() - 1, 2 * Arrow() - 8, 9}) {
    const HWND edit = BareChild(L"EDIT", ES_MULTILINE | WS_VSCROLL, RECT{10, 10, 110, 10 + height});
    SetWindowTextW(edit, L"1\r\n2\r\n3\r\n4\r\n5\r\n6");
    skin::TSkinScrollBar bars(nullptr);
    ASSERT_TRUE(bars.AttachScrollWindow(edit, data_.get(), true, nullptr));
    bars.Redraw();
    const RECT& v = bars.VertBarRect;
    const int length = RectHeight(v), half = length / 2;
    ASSERT_LT(length, 2 * Arrow()) << Describe(v);
    const TShot shot(edit);
    const int x = (v.left + v.right) / 2;
    for (int y = 0; y < half; ++y) EXPECT_EQ(shot.At(x, v.top + y), ArrowColour(9)) << height << " " << y;
    for (int y = length - half; y < length; ++y) EXPECT_EQ(shot.At(x, v.top + y), ArrowColour(13)) << height << " " << y;
    bars.Detach();  // (a companion without a window companion would free itself with the window)
    DestroyWindow(edit);
  }
}

TEST_F(ScrollBars, APageAsLongAsTheRangeFillsTheTrackButOnePixel) {
  NewBareWindow();
  form_test::TTestWindow pane(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, 0, bareWnd_, RECT{10, 10, 110, 210});
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 50, 50, 0, 0};
  SetScrollInfo(pane.Get(), SB_VERT, &info, TRUE);
  skin::TSkinScrollBar bars(nullptr);
  ASSERT_TRUE(bars.AttachScrollWindow(pane.Get(), data_.get(), true, nullptr));
  bars.Redraw();
  const skin::TScrollMetrics& m = bars.VertMetrics;
  EXPECT_EQ(m.ThumbLength, m.TrackLength - 1);
  EXPECT_EQ(m.ThumbOffset, 0);
  const RECT& v = bars.VertBarRect;
  const TShot shot(pane.Get());
  const int x = (v.left + v.right) / 2;
  EXPECT_EQ(shot.At(x, v.top + Arrow()), kVertThumb[1]);
  EXPECT_EQ(shot.At(x, v.top + Arrow() + m.TrackLength - 2), kVertThumb[1]);
  EXPECT_EQ(shot.At(x, v.top + Arrow() + m.TrackLength - 1), kVertTrack);
}

TEST_F(ScrollBars, AMissingArrowImageLeavesTheSystemBars) {
  data_ = MakeScrollSkin();
  data_->Scrollbar.reset();
  const HWND edit = BareChild(L"EDIT", ES_MULTILINE | WS_VSCROLL | WS_BORDER, RECT{10, 10, 110, 110});
  const TShot before(edit);
  skin::TSkinScrollBar bars(nullptr);
  ASSERT_TRUE(bars.AttachScrollWindow(edit, data_.get(), true, nullptr));
  bars.Redraw();
  const TShot after(edit);
  EXPECT_EQ(after.Count(kBarColour) + after.Count(kVertTrack) + after.Count(kVertThumb[1]), 0);
  // Missing tracks and thumbs with the arrows there: arrows on the bar colour.
  data_ = MakeScrollSkin();
  data_->VertScroll.reset();
  data_->VertScrollThumb.reset();
  skin::TSkinScrollBar second(nullptr);
  bars.Detach();
  ASSERT_TRUE(second.AttachScrollWindow(edit, data_.get(), true, nullptr));
  second.Redraw();
  const TShot partial(edit);
  EXPECT_GT(partial.Count(ArrowColour(9)), 0);
  EXPECT_GT(partial.Count(kBarColour), 0);
  EXPECT_EQ(partial.Count(kVertTrack) + partial.Count(kVertThumb[1]), 0);
}

TEST_F(ScrollBars, DetachingPutsTheWindowProcedureBack) {
  const HWND edit = BareChild(L"EDIT", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | WS_BORDER, RECT{10, 10, 210, 160});
  const LONG_PTR original = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  for (int round = 0; round < 3; ++round) {
    auto bars = std::make_unique<skin::TSkinScrollBar>(nullptr);
    ASSERT_TRUE(bars->AttachScrollWindow(edit, data_.get(), true, nullptr));
    EXPECT_NE(GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
    bars->Redraw();
    bars.reset();
    EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
  }
  // Gone with its window: the procedure is back before the window goes.
  auto bars = std::make_unique<skin::TSkinScrollBar>(nullptr);
  ASSERT_TRUE(bars->AttachScrollWindow(edit, data_.get(), true, nullptr));
  bars->Detach();
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
  bars->Detach();  // twice is harmless
}

}  // namespace
}  // namespace scroll_test

namespace scroll_test {
namespace {

TEST_F(ScrollBars, OddSkinDataNeverBreaksThePainting) {
  const HWND edit = BareChild(L"EDIT", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, RECT{10, 10, 210, 160});
  SetWindowTextW(edit, L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n14");
  // Frame counts of 0 and below, margins far beyond the images, an arrow
  // image with fewer pixels than frames, a track image of nothing.
  data_->VertScrollThumb->FrameCount = 0;
  data_->VertScrollThumb->TopHeight = 100000;
  data_->VertScrollThumb->BottomHeight = -7;
  data_->HorzScrollThumb->FrameCount = -3;
  data_->HorzScrollThumb->LeftWidth = 1 << 30;
  data_->VertScroll->Bitmap.SetSize(0, 0);
  data_->HorzScroll->Tile = 1;
  data_->HorzScroll->RightWidth = 5000;
  skin::TSkinScrollBar bars(nullptr);
  ASSERT_TRUE(bars.AttachScrollWindow(edit, data_.get(), true, nullptr));
  bars.Redraw();
  SendMessageW(edit, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageW(edit, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3), 0);
  EXPECT_GT(TShot(edit).Count(ArrowColour(9)), 0);

  data_->Scrollbar->Bitmap.SetSize(10, 5);  // 23 frames of nothing
  bars.Redraw();
  const TShot shot(edit);
  EXPECT_GT(shot.Count(kBarColour), 0);  // the bar is still composed
}

}  // namespace
}  // namespace scroll_test

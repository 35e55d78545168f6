// The scroll bar control: skinned by discovery, painted from its Min, Max,
// PageSize and Position, repainted with the pressed part as it scrolls.
#include "skin/WinSubClass/SkinScControl.h"
#include "skin_scroll/ScrollTestSupport.h"
#include "ui/ScrollBar.h"

namespace scroll_test {
namespace {

using ScrollBarControl = ScrollTest;

ui::TScrollBar* NewScrollBar(ui::TForm* form, ui::TScrollBarKind kind, RECT bounds) {
  auto* bar = new ui::TScrollBar(form);
  bar->SetKind(kind);
  bar->SetParent(form);
  bar->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  bar->SetPageSize(20);
  bar->SetParams(40, 0, 100);
  return bar;
}

TEST_F(ScrollBarControl, IsPaintedFromItsProperties) {
  ui::TForm* form = NewForm();
  ui::TScrollBar* bar = NewScrollBar(form, ui::sbHorizontal, RECT{20, 20, 220, 36});
  Skin(form);
  auto* skinned = dynamic_cast<skin::TSkinScControl*>(CompanionOf(bar->Handle()));
  ASSERT_NE(skinned, nullptr);
  PumpFor(30);
  // 200 long: the track between two arrows; 101 values with a page of 20.
  const int a = Arrow(), track = 200 - 2 * a;
  const int length = MulDiv(20, track, 101);
  const int offset = MulDiv(40, track - length, 81);
  EXPECT_EQ(skinned->ThumbLength, length);
  EXPECT_EQ(skinned->ThumbOffset, offset);
  TShot shot(bar->Handle());
  EXPECT_EQ(shot.At(8, 8), ArrowColour(1));
  EXPECT_EQ(shot.At(191, 8), ArrowColour(5));
  EXPECT_EQ(shot.At(a + offset - 1, 8), kHorzTrack);
  EXPECT_EQ(shot.At(a + offset + 1, 8), kHorzThumb[1]);
  EXPECT_EQ(shot.At(a + offset + length - 2, 8), kHorzThumb[1]);
  EXPECT_EQ(shot.At(a + offset + length, 8), kHorzTrack);

  bar->SetPosition(0);
  PumpFor(30);
  shot = TShot(bar->Handle());
  EXPECT_EQ(shot.At(a + 1, 8), kHorzThumb[1]);
  EXPECT_EQ(shot.At(a + length + 1, 8), kHorzTrack);
}

TEST_F(ScrollBarControl, ScrollingShowsThePressedPartAndMovesTheThumb) {
  ui::TForm* form = NewForm();
  ui::TScrollBar* bar = NewScrollBar(form, ui::sbVertical, RECT{20, 20, 36, 220});
  Skin(form);
  auto* skinned = dynamic_cast<skin::TSkinScControl*>(CompanionOf(bar->Handle()));
  ASSERT_NE(skinned, nullptr);
  const HWND wnd = bar->Handle();
  const int a = Arrow();
  // As the system reports a click on the down arrow: to the parent, which hands it on.
  SendMessageW(form->Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(wnd));
  EXPECT_EQ(bar->Position(), 41);
  EXPECT_EQ(skinned->PressedPart, skin::spDownArrow);
  TShot shot(wnd);
  EXPECT_EQ(shot.At(8, 191), ArrowColour(14));
  EXPECT_EQ(shot.At(8, 8), ArrowColour(9));
  EXPECT_EQ(skinned->ThumbOffset, MulDiv(41, 200 - 2 * a - skinned->ThumbLength, 81));

  SendMessageW(form->Handle(), WM_VSCROLL, SB_THUMBTRACK, reinterpret_cast<LPARAM>(wnd));
  EXPECT_EQ(TShot(wnd).At(8, a + skinned->ThumbOffset + 2), kVertThumb[2]);
  SendMessageW(form->Handle(), WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(wnd));
  shot = TShot(wnd);
  EXPECT_EQ(shot.At(8, 191), ArrowColour(13));
  EXPECT_EQ(shot.At(8, a + skinned->ThumbOffset + 2), kVertThumb[1]);
}

// A click on its arrow with the real mouse: the system's tracking moves the
// bar, and the skin is on it when the click is over, with the mouse still
// over the arrow and after it has left (the system may show a hot arrow).
TEST_F(ScrollBarControl, AClickOnAnArrowEndsWithTheSkinBack) {
  ui::TForm* form = NewForm();
  ui::TScrollBar* bar = NewScrollBar(form, ui::sbHorizontal, RECT{20, 20, 220, 36});
  Skin(form);
  ASSERT_NE(CompanionOf(bar->Handle()), nullptr);
  PumpFor(30);
  RECT window{};
  GetWindowRect(bar->Handle(), &window);
  static bool released;
  released = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    if (released) return;
    SendInputButton(MOUSEEVENTF_LEFTUP);
    released = true;
  });
  SettleCursor(POINT{window.right - 8, window.top + 8});
  SendInputButton(MOUSEEVENTF_LEFTDOWN);
  while (!released || GetCapture()) {
    MSG msg;
    GetMessageW(&msg, nullptr, 0, 0);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  KillTimer(nullptr, timer);
  PumpFor(30);
  EXPECT_GT(bar->Position(), 40);
  const TColor over = TShot(bar->Handle()).At(191, 8);
  SettleCursor(POINT{1015, 760});
  PumpFor(50);
  const TColor away = TShot(bar->Handle()).At(191, 8);
  EXPECT_EQ(over, ArrowColour(5));
  EXPECT_EQ(away, ArrowColour(5));
}

// A scroll bar window of a window without a form: the skin follows the
// positions the program sets and the scrolling the window hears of.
TEST_F(ScrollBarControl, ABareBarIsSkinnedAndFollowsItsPositionAndScrolling) {
  const HWND wnd = BareChild(L"SCROLLBAR", SBS_VERT, RECT{20, 20, 36, 220});
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = 100;
  info.nPage = 20;
  info.nPos = 40;
  SetScrollInfo(wnd, SB_CTL, &info, FALSE);
  Skin(bareWnd_);
  auto* skinned = dynamic_cast<skin::TSkinScControl*>(CompanionOf(wnd));
  ASSERT_NE(skinned, nullptr);
  PumpFor(30);
  const int a = Arrow(), track = 200 - 2 * a;
  const int length = MulDiv(20, track, 101);
  EXPECT_EQ(skinned->ThumbLength, length);
  EXPECT_EQ(skinned->ThumbOffset, MulDiv(40, track - length, 81));
  TShot shot(wnd);
  EXPECT_EQ(shot.At(8, 8), ArrowColour(9));
  EXPECT_EQ(shot.At(8, 191), ArrowColour(13));
  EXPECT_EQ(shot.At(8, a + skinned->ThumbOffset + 2), kVertThumb[1]);

  // The program moves the thumb and has it redrawn: the system draws its own
  // bar, the skin goes over it at once.
  info.fMask = SIF_POS;
  info.nPos = 0;
  SetScrollInfo(wnd, SB_CTL, &info, TRUE);
  shot = TShot(wnd);
  EXPECT_EQ(shot.At(8, a + 1), kVertThumb[1]);
  EXPECT_EQ(shot.At(8, a + length + 1), kVertTrack);
  SendMessageW(wnd, SBM_SETPOS, 81, TRUE);
  EXPECT_EQ(TShot(wnd).At(8, a + track - 2), kVertThumb[1]);

  // The system reports a press on the down arrow to the window, which has no
  // framework to hand it on: the window, skinned with its frame, tells the bar.
  Unskin();
  data_->SkinControls.Include(skin::xcMainMenu);
  Skin(bareWnd_);
  skinned = dynamic_cast<skin::TSkinScControl*>(CompanionOf(wnd));
  ASSERT_NE(skinned, nullptr);
  SendMessageW(bareWnd_, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(wnd));
  EXPECT_EQ(skinned->PressedPart, skin::spDownArrow);
  EXPECT_EQ(TShot(wnd).At(8, 191), ArrowColour(14));
  SendMessageW(bareWnd_, WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(wnd));
  EXPECT_EQ(skinned->PressedPart, skin::spNone);
  EXPECT_EQ(TShot(wnd).At(8, 191), ArrowColour(13));
}

TEST_F(ScrollBarControl, WithoutTheScrollBarMemberOrImageItStaysPlain) {
  ui::TForm* form = NewForm();
  ui::TScrollBar* bar = NewScrollBar(form, ui::sbHorizontal, RECT{20, 20, 220, 36});
  data_->SkinControls.Exclude(skin::xcScrollbar);
  Skin(form);
  EXPECT_EQ(CompanionOf(bar->Handle()), nullptr);
  Unskin();
  data_->SkinControls.Include(skin::xcScrollbar);
  data_->Scrollbar.reset();
  Skin(form);
  ASSERT_NE(CompanionOf(bar->Handle()), nullptr);
  PumpFor(30);
  EXPECT_EQ(TShot(bar->Handle()).Count(kBarColour), 0);
}

}  // namespace
}  // namespace scroll_test

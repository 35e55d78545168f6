// A skinned list view: its header's columns and the space right of them from
// the skin's header frame, captions placed by the columns' alignment, no
// header companion outside the report view, a header that erases itself
// when the skin has no header image, and everything given back on detach.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "skin/WinSubClass/SkinListView.h"
#include "skin_scroll/ScrollTestSupport.h"
#include "ui/ListView.h"

namespace scroll_test {
namespace {

class ListViewHeader : public ScrollTest {
 protected:
  ui::TListView* NewListView(ui::TForm* form, ui::TViewStyle style) {
    auto* view = new ui::TListView(form);
    view->SetParent(form);
    view->SetBounds(10, 10, 380, 200);
    view->SetViewStyle(style);
    view->SetColumns({{L"H", 90, ui::taLeftJustify}, {L"H", 90, ui::taCenter}, {L"H", 90, ui::taRightJustify}});
    view->SetItems({{L"one", {L"1", L"a"}}, {L"two", {L"2", L"b"}}});
    SendMessageW(view->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(control_test::SharpFont()), TRUE);
    return view;
  }
  static HWND HeaderOf(ui::TListView* view) {
    return reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0));
  }
};

// The columns of ink (anything but the header frame) in x0..x1 of the header.
struct TInk {
  int Left = -1;
  int Right = -1;  // exclusive
};
TInk InkBetween(const TShot& shot, int x0, int x1) {
  TInk ink;
  for (int x = x0; x < x1; ++x)
    for (int y = 0; y < shot.Height(); ++y)
      if (shot.At(x, y) != kHeader[1]) {
        if (ink.Left < 0) ink.Left = x;
        ink.Right = x + 1;
        break;
      }
  return ink;
}

TEST_F(ListViewHeader, ColumnsAndTheEmptyEndAreDrawnFromTheFirstFrame) {
  ui::TForm* form = NewForm();
  ui::TListView* view = NewListView(form, ui::vsReport);
  Skin(form);
  auto* list = dynamic_cast<skin::TSkinListView*>(CompanionOf(view->Handle()));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->Header, nullptr);
  EXPECT_FALSE(list->DragThumb);  // the list view drags its own thumb
  const HWND header = HeaderOf(view);
  EXPECT_EQ(list->Header->Handle, header);
  EXPECT_EQ(CompanionOf(header), list->Header);
  InvalidateRect(header, nullptr, TRUE);
  PumpFor(50);

  const TShot shot(header);
  ASSERT_GT(shot.Width(), 270);
  // Right of the last column: all frame 1.
  EXPECT_EQ(shot.Count(kHeader[1], RECT{270, 0, shot.Width(), shot.Height()}), (shot.Width() - 270) * shot.Height());
  for (int f = 2; f <= 5; ++f) EXPECT_EQ(shot.Count(kHeader[f]), 0);

  // Captions: 4 pixels in from the left, centred, 4 pixels in from the right.
  const TInk left = InkBetween(shot, 0, 90);
  const TInk centre = InkBetween(shot, 90, 180);
  const TInk right = InkBetween(shot, 180, 270);
  ASSERT_GE(left.Left, 0);
  ASSERT_GE(centre.Left, 0);
  ASSERT_GE(right.Left, 0);
  // The glyph's own margin is the same in every column; the caption's width
  // follows from where the right-aligned one starts.
  const int bearing = left.Left - 4;
  EXPECT_GE(bearing, 0);
  EXPECT_LE(bearing, 2);
  const int textWidth = (270 - 4) - (right.Left - bearing);
  EXPECT_GT(textWidth, 0);
  EXPECT_EQ(centre.Left, 90 + (90 - textWidth) / 2 + bearing);
}

TEST_F(ListViewHeader, OnlyTheReportViewGetsAHeaderCompanion) {
  ui::TForm* form = NewForm();
  ui::TListView* view = NewListView(form, ui::vsList);
  Skin(form);
  auto* list = dynamic_cast<skin::TSkinListView*>(CompanionOf(view->Handle()));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Header, nullptr);
  if (HWND header = HeaderOf(view)) {
    EXPECT_EQ(CompanionOf(header), nullptr);
  }
}

TEST_F(ListViewHeader, WithoutAHeaderImageTheHeaderErasesItself) {
  for (bool withImage : {true, false}) {
    data_ = MakeScrollSkin(withImage);
    ui::TForm* form = NewForm();
    ui::TListView* view = NewListView(form, ui::vsReport);
    const HWND header = HeaderOf(view);
    TPassedOn passed(header);
    Skin(form);
    auto* list = dynamic_cast<skin::TSkinListView*>(CompanionOf(view->Handle()));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->Header, nullptr);
    passed.Seen.clear();
    {
      ui::WindowDC dc(header);
      SendMessageW(header, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    }
    EXPECT_EQ(passed.Count(WM_ERASEBKGND), withImage ? 0 : 1) << withImage;
    if (!withImage) {
      InvalidateRect(header, nullptr, TRUE);
      PumpFor(30);
      EXPECT_EQ(TShot(header).Count(kHeader[1]), 0);  // the header's own look
    }
    Unskin();
    delete form;
  }
}

TEST_F(ListViewHeader, DetachingGivesBothWindowsBack) {
  ui::TForm* form = NewForm();
  ui::TListView* view = NewListView(form, ui::vsReport);
  const HWND header = HeaderOf(view);
  const LONG_PTR headerProc = GetWindowLongPtrW(header, GWLP_WNDPROC);
  bool reachedOwnProc = false;
  const ui::TWndMethod own = view->WindowProc;
  view->WindowProc = [&](ui::TMessage& m) {
    if (m.Msg == WM_USER + 77) reachedOwnProc = true;
    own(m);
  };
  for (int round = 0; round < 2; ++round) {
    Skin(form);
    ASSERT_NE(CompanionOf(header), nullptr);
    EXPECT_NE(GetWindowLongPtrW(header, GWLP_WNDPROC), headerProc);
    Unskin();
    EXPECT_EQ(GetWindowLongPtrW(header, GWLP_WNDPROC), headerProc);
    reachedOwnProc = false;
    view->Perform(WM_USER + 77);
    EXPECT_TRUE(reachedOwnProc);
  }
  view->WindowProc = own;
}

TEST_F(ListViewHeader, AHeaderThatGoesIsForgottenByItsListView) {
  ui::TForm* form = NewForm();
  ui::TListView* view = NewListView(form, ui::vsReport);
  Skin(form);
  auto* list = dynamic_cast<skin::TSkinListView*>(CompanionOf(view->Handle()));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->Header, nullptr);
  DestroyWindow(HeaderOf(view));
  EXPECT_EQ(list->Header, nullptr);
  list->Redraw();  // still paints its bars
}

}  // namespace
}  // namespace scroll_test

// The popup-menu window: its frame and printed background from the skin's
// menu background, its companion's life, and the system look where the skin
// has no menu background.
#include "PopupTestSupport.h"

#include "skin_form/HandleCounts.h"

namespace {

using namespace popup_test;

TEST_F(PopupTest, TheFrameBandComesFromTheMenuBackgroundAndTheItemsStayTheSystems) {
  TPlainMenu menu({L"One", L"Two", L"Three"});
  TLook look;
  SIZE background{-1, -1};
  Track(menu.Get(), Window(), [&](HWND popup) {
    look = LookAt(popup);
    if (const ui::TBitmap* b = manager_->PopupBackground(menu.Get())) background = SIZE{b->Width(), b->Height()};
  });
  ASSERT_NE(look.Popup, nullptr);
  const int w = look.Pixels.Width, h = look.Pixels.Height;
  ASSERT_GT(w, 20);
  ASSERT_GT(h, 20);
  // The 3-pixel band, 1:1 from the background sliced to the window's size.
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(look.Pixels.At(i, i), kBackCorner);
    EXPECT_EQ(look.Pixels.At(w / 2, i), kBackTop);
    EXPECT_EQ(look.Pixels.At(w / 2, h - 1 - i), kBackBottom);
    EXPECT_EQ(look.Pixels.At(i, h / 2), kBackLeft);
    EXPECT_EQ(look.Pixels.At(w - 1 - i, h / 2), kBackRight);
    EXPECT_EQ(look.Pixels.At(w - 1 - i, h - 1 - i), kBackCorner);
  }
  // Inside the band the system's items: never the background's centre.
  EXPECT_NE(look.Pixels.At(w / 2, h / 2), kBackCentre);
  // The window told its menu: the background is found by it.
  EXPECT_EQ(look.Bound, menu.Get());
  EXPECT_EQ(background.cx, w);
  EXPECT_EQ(background.cy, h);
  // Gone with its window.
  EXPECT_EQ(manager_->PopupBackground(menu.Get()), nullptr);
}

TEST_F(PopupTest, PrintingPaintsTheWholeBackgroundAndLetsTheSystemPrintOnlyInside) {
  TPlainMenu menu({L"One", L"Two"});
  TLook look;
  frame_test::TPixels printed;
  Track(menu.Get(), Window(), [&](HWND popup) {
    look = LookAt(popup);
    const RECT r = frame_test::WindowBounds(popup);
    const int w = r.right - r.left, h = r.bottom - r.top;
    ui::TBitmap target;
    target.SetSize(w, h);
    target.Fill(RGBColor(1, 1, 1));
    // A clip of the caller's own, which must survive the print.
    IntersectClipRect(target.Canvas().Handle(), 0, 0, w, h);
    SendMessageW(popup, WM_PRINT, WPARAM(target.Canvas().Handle()), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    printed = frame_test::Capture(target.Canvas().Handle(), 0, 0, w, h);
    RECT clip{};
    EXPECT_EQ(GetClipBox(target.Canvas().Handle(), &clip), SIMPLEREGION);
    EXPECT_EQ(clip.right, w);
    EXPECT_EQ(clip.bottom, h);
  });
  ASSERT_NE(look.Popup, nullptr);
  const int w = printed.Width, h = printed.Height;
  EXPECT_EQ(printed.At(0, 0), kBackCorner);
  EXPECT_EQ(printed.At(w / 2, 2), kBackTop);
  EXPECT_EQ(printed.At(2, h / 2), kBackLeft);
  EXPECT_EQ(printed.At(w - 1, h - 1), kBackCorner);
  // The system printed its menu inside: its picture, not the fill colour.
  EXPECT_NE(printed.At(w / 2, h / 2), RGBColor(1, 1, 1));
  EXPECT_NE(printed.At(w / 2, h / 2), kBackCentre);
}

TEST_F(PopupTest, WithoutAMenuBackgroundThePopupKeepsTheSystemLook) {
  TPopupSkin skin;
  skin.Background = false;
  Start(skin);
  TPlainMenu menu({L"One", L"Two"});
  TLook look;
  Track(menu.Get(), Window(), [&](HWND popup) { look = LookAt(popup); });
  ASSERT_NE(look.Popup, nullptr);
  const TColor colours[] = {kBackCorner, kBackTop, kBackBottom, kBackLeft, kBackRight};
  for (TColor c : colours) {
    EXPECT_NE(look.Pixels.At(0, 0), c);
    EXPECT_NE(look.Pixels.At(look.Pixels.Width / 2, 1), c);
  }
}

TEST_F(PopupTest, BadMenuBackgroundsNeverCrashAndASkinThatGoesLeavesTheSystemLook) {
  TPlainMenu menu({L"One", L"Two", L"Three"});
  for (int margin : {-5, 0, 40, 100000}) {
    data_->MenuBackground->LeftWidth = data_->MenuBackground->TopHeight = margin;
    data_->MenuBackground->RightWidth = data_->MenuBackground->BottomHeight = margin;
    TLook look;
    Track(menu.Get(), Window(), [&](HWND popup) { look = LookAt(popup); });
    ASSERT_NE(look.Popup, nullptr);
  }
  data_->MenuBackground->Bitmap.SetSize(1, 1);
  Track(menu.Get(), Window(), [&](HWND popup) { EXPECT_NE(popup, nullptr); });

  // The skin data component goes while a popup is open: the popup passes its
  // messages on from then on.
  data_->MenuBackground->Bitmap.SetSize(20, 20);
  bool painted = false;
  Track(menu.Get(), Window(), [&](HWND popup) {
    data_.reset();
    RedrawWindow(popup, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageW(popup, WM_NCPAINT, 1, 0);
    painted = true;
  });
  EXPECT_TRUE(painted);
}

TEST_F(PopupTest, SwitchedOffTheManagerLeavesPopupsAlone) {
  manager_->SetState(2);
  PumpFor(400);
  ASSERT_FALSE(manager_->Enabled);
  TPlainMenu menu({L"One"});
  std::size_t companions = 99;
  Track(menu.Get(), Window(), [&](HWND) { companions = skin::SkinManage()->PopupMenus.size(); });
  EXPECT_EQ(companions, 0u);
}

TEST_F(PopupTest, CompanionsGoWithTheirWindowsAndLeaveNoHandlesBehind) {
  TPlainMenu menu({L"One", L"-", L"Two"});
  HMENU sub = CreatePopupMenu();
  AppendMenuW(sub, MF_STRING, 10, L"Sub");
  AppendMenuW(menu.Get(), MF_POPUP, UINT_PTR(sub), L"More");
  // Warm up: the first popup creates the system's own cached objects.
  Track(menu.Get(), Window(), [](HWND) {});
  const DWORD gdiBefore = handle_counts::GdiObjects();
  const DWORD userBefore = handle_counts::UserObjects();
  for (int i = 0; i < 25; ++i)
    Track(menu.Get(), Window(), [&](HWND popup) {
      EXPECT_EQ(skin::SkinManage()->PopupMenus.size(), 1u);
      EXPECT_NE(popup, nullptr);
    });
  EXPECT_TRUE(manager_->PopupMenus.empty());
  EXPECT_EQ(skin::PendingPopup, nullptr);
  EXPECT_LE(handle_counts::GdiObjects(), gdiBefore + 2);
  EXPECT_LE(handle_counts::UserObjects(), userBefore + 2);
}

}  // namespace

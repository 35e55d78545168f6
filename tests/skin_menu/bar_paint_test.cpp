// The bar as painted: inside the frame under the title bar, items from the
// skin's left margin, the active and inactive frames of the bar image, hot
// and pressed items framed one column at a time, disabled captions, the
// plain bar without a skin image, and the MDI child's buttons in the bar.
#include "MenuBarTestSupport.h"

namespace {

using namespace menu_test;
using button_test::kLeft;
using button_test::kRight;
using button_test::kTop;

// The pixels of the bar row `y` (frame coordinates) from x0 to x1.
std::vector<TColor> Row(HWND wnd, int y, int x0, int x1) {
  std::vector<TColor> row;
  for (int x = x0; x < x1; ++x) row.push_back(FramePixel(wnd, POINT{x, y}));
  return row;
}

TEST_F(MenuBarTest, BarSitsUnderTheTitleAndTakesTheMenuOffTheWindow) {
  Start();
  ASSERT_NE(form_->SkinMenu, nullptr);
  EXPECT_EQ(GetMenu(wnd_), nullptr) << "no system menu bar any more";
  EXPECT_EQ(form_->MenuBarHeight, GetSystemMetrics(SM_CYMENU));
  ASSERT_EQ(Bar().Items.size(), 4u);
  EXPECT_EQ(Item(0).Caption, L"&File");
  EXPECT_EQ(Item(0).SubMenu, menu_.File);
  EXPECT_FALSE(Item(2).Enabled);

  // The client area starts below the bar.
  POINT client{0, 0};
  ClientToScreen(wnd_, &client);
  RECT window{};
  GetWindowRect(wnd_, &window);
  EXPECT_EQ(client.y - window.top, kTop + form_->MenuBarHeight);
  EXPECT_EQ(client.x - window.left, kLeft);

  // Items follow each other from the skin's left margin + 4, one row less than the bar.
  EXPECT_EQ(Item(0).Rect.left, kLeft + kBarLeftWidth + 4);
  EXPECT_EQ(Item(0).Rect.top, kTop);
  EXPECT_EQ(Item(0).Rect.bottom, kTop + form_->MenuBarHeight - 1);
  for (int i = 1; i < 4; ++i) EXPECT_EQ(Item(i).Rect.left, Item(i - 1).Rect.right) << i;
  EXPECT_EQ(Bar().BarRect.top, kTop);
  EXPECT_EQ(Bar().BarRect.left, kLeft);

  // The bar image's first frame while active, its second while inactive; the title bar above it.
  const POINT gap{kLeft + 2, kTop + 2};
  EXPECT_EQ(FramePixel(wnd_, gap), kBarActive);
  EXPECT_NE(FramePixel(wnd_, POINT{gap.x, kTop - 1}), kBarActive);
  SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
  Pump();
  EXPECT_EQ(FramePixel(wnd_, gap), kBarInactive);
}

TEST_F(MenuBarTest, NarrowBarStartsItsItemsAtTwelve) {
  Start();
  // A bar narrower than the margin + 4 (12 here).
  SetWindowPos(wnd_, nullptr, 0, 0, kLeft + kRight + 10, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOSENDCHANGING);
  Repaint();
  EXPECT_EQ(Item(0).Rect.left, kLeft + 12);
}

TEST_F(MenuBarTest, WithoutABarImageTheBarIsFilledAndItemsStartAtSix) {
  Start(false);
  EXPECT_EQ(Item(0).Rect.left, kLeft + 6);
  EXPECT_EQ(FramePixel(wnd_, POINT{kLeft + 2, kTop + 2}), RGBColor(50, 60, 70)) << "the skin's Menubar colour";
}

TEST_F(MenuBarTest, HotAndPressedItemsAreFramedOneColumnAtATime) {
  Start();
  const int y = kTop + form_->MenuBarHeight / 2;
  const skin::TMenuBtn& edit = Item(1);
  const std::vector<TColor> fileBefore = Row(wnd_, y, Item(0).Rect.left, Item(0).Rect.right);
  const std::vector<TColor> helpBefore = Row(wnd_, y, Item(3).Rect.left, Item(3).Rect.right);
  EXPECT_EQ(FramePixel(wnd_, POINT{edit.Rect.left, y}), kBarActive);

  // The mouse over Edit makes it hot: framed in the skin's highlight colour.
  SendMessageW(wnd_, WM_NCMOUSEMOVE, HTMENU, PointParam(FrameToScreen(wnd_, Centre(edit.Rect))));
  EXPECT_EQ(form_->HotObject, &edit);
  EXPECT_EQ(edit.State, skin::ncsHot);
  EXPECT_EQ(FramePixel(wnd_, POINT{edit.Rect.left, y}), kHilight);
  EXPECT_EQ(FramePixel(wnd_, POINT{edit.Rect.right - 1, y}), kHilight);
  EXPECT_EQ(FramePixel(wnd_, POINT{edit.Rect.left + 3, edit.Rect.top}), kHilight);
  EXPECT_EQ(Row(wnd_, y, Item(0).Rect.left, Item(0).Rect.right), fileBefore) << "the neighbours stay as they were";
  EXPECT_EQ(Row(wnd_, y, Item(3).Rect.left, Item(3).Rect.right), helpBefore);

  // Moving on to Help: Edit back to the plain bar, Help framed.
  SendMessageW(wnd_, WM_NCMOUSEMOVE, HTMENU, PointParam(FrameToScreen(wnd_, Centre(Item(3).Rect))));
  EXPECT_EQ(FramePixel(wnd_, POINT{edit.Rect.left, y}), kBarActive);
  EXPECT_EQ(FramePixel(wnd_, POINT{Item(3).Rect.left, y}), kHilight);

  // Pressed keeps the frame; leaving the bar takes it off.
  Item(3).MouseDown();
  EXPECT_EQ(Item(3).State, skin::ncsPressed);
  EXPECT_EQ(FramePixel(wnd_, POINT{Item(3).Rect.left, y}), kHilight);
  Item(3).MouseLeave();
  EXPECT_EQ(FramePixel(wnd_, POINT{Item(3).Rect.left, y}), kBarActive);
  EXPECT_EQ(Row(wnd_, y, Item(0).Rect.left, Item(0).Rect.right), fileBefore);
}

// A repaint of the whole frame (here: the window losing and regaining the
// activation) while an item is hot leaves no item framed for good.
TEST_F(MenuBarTest, AFullRepaintTakesTheHotFrameOff) {
  Start();
  const int y = kTop + form_->MenuBarHeight / 2;
  skin::TMenuBtn& edit = Item(1);
  SendMessageW(wnd_, WM_NCMOUSEMOVE, HTMENU, PointParam(FrameToScreen(wnd_, Centre(edit.Rect))));
  ASSERT_EQ(FramePixel(wnd_, POINT{edit.Rect.left, y}), kHilight);
  SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(wnd_, WM_NCACTIVATE, TRUE, 0);
  Pump();
  EXPECT_EQ(form_->HotObject, nullptr);
  EXPECT_EQ(edit.State, skin::ncsNormal);
  EXPECT_EQ(FramePixel(wnd_, POINT{edit.Rect.left, y}), kBarActive);
  // The mouse over another item frames that one alone.
  SendMessageW(wnd_, WM_NCMOUSEMOVE, HTMENU, PointParam(FrameToScreen(wnd_, Centre(Item(3).Rect))));
  EXPECT_EQ(FramePixel(wnd_, POINT{Item(3).Rect.left, y}), kHilight);
  EXPECT_EQ(FramePixel(wnd_, POINT{edit.Rect.left, y}), kBarActive);
}

TEST_F(MenuBarTest, CaptionsInTheBarTextColourAndDisabledOnesInTheShadowColour) {
  Start();
  const RECT file = Item(0).Rect, view = Item(2).Rect;
  EXPECT_TRUE(ShowsColour(wnd_, file, kBarText));
  EXPECT_FALSE(ShowsColour(wnd_, file, kShadow));
  EXPECT_TRUE(ShowsColour(wnd_, view, kShadow));
  EXPECT_FALSE(ShowsColour(wnd_, view, kBarText));
  // The one-item repaint draws the same.
  Item(2).MouseEnter();
  Item(2).MouseLeave();
  EXPECT_TRUE(ShowsColour(wnd_, view, kShadow));
  EXPECT_FALSE(ShowsColour(wnd_, view, kBarText));
}

// --- MDI ----------------------------------------------------------------------

HWND& ClientOfFrame() {
  static HWND client = nullptr;
  return client;
}

LRESULT CALLBACK MdiFrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(wnd, ClientOfFrame(), msg, wParam, lParam);
}

TEST_F(MenuBarTest, ButtonsOfAMaximisedMdiChildShowInTheBar) {
  data_ = button_test::MakeButtonSkin(MenuSkinDefinition(), MenuSkinFiles());
  wnd_ = CreateWindowExW(0, button_test::RegisterOnce(L"TavrinMenuBarMdiFrame", MdiFrameProc, COLOR_APPWORKSPACE),
                         L"frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 500, 400, nullptr, menu_.Bar,
                         GetModuleHandleW(nullptr), nullptr);
  CLIENTCREATESTRUCT ccs{};
  ccs.idFirstChild = 1000;
  HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300,
                                wnd_, nullptr, GetModuleHandleW(nullptr), &ccs);
  ClientOfFrame() = client;
  MDICREATESTRUCTW mcs{};
  mcs.szClass = button_test::RegisterOnce(L"TavrinMenuBarMdiChild", DefMDIChildProcW);
  mcs.szTitle = L"child";
  mcs.hOwner = GetModuleHandleW(nullptr);
  mcs.cx = 200;
  mcs.cy = 150;
  mcs.style = WS_OVERLAPPEDWINDOW;
  HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, LPARAM(&mcs)));
  ShowWindow(wnd_, SW_SHOWNORMAL);
  SetForegroundWindow(wnd_);
  Pump();
  form_ = std::make_unique<skin::TWinSkinForm>(nullptr);
  form_->Handle = wnd_;
  form_->AttachHandle(data_.get());
  SendMessageW(wnd_, skin::WM_SKINSTART, 0, 1000);
  button_test::Activate(wnd_, *form_);
  ASSERT_EQ(form_->FormKind, skin::fkMdiFrame);
  ASSERT_NE(form_->SkinMenu, nullptr);

  SendMessageW(client, WM_MDIMAXIMIZE, WPARAM(child), 0);
  Pump();
  Repaint();
  ASSERT_TRUE(IsZoomed(child));
  for (int j = 0; j < 3; ++j) {
    const skin::TWinSysButton& button = *form_->SysButtons.at(std::size_t(button_test::kMdiMinimize + j));
    ASSERT_TRUE(button.Visible) << j;
    EXPECT_GE(button.Rect.top, kTop);
    EXPECT_LE(button.Rect.bottom, kTop + form_->MenuBarHeight);
    EXPECT_EQ(FramePixel(wnd_, Centre(button.Rect)), button_test::MdiColour(j, 1)) << j;
  }
  EXPECT_TRUE(skin::SkinManage() && skin::SkinManage()->MdiMaximized);
  DestroyWindow(child);
  ClientOfFrame() = nullptr;
}

}  // namespace

namespace {

using namespace menu_test;

// The system's hit test knows no menu bar on the window any more: over the
// skinned bar it must still answer HTMENU, or the mouse never reaches the items.
TEST_F(MenuBarTest, HitTestOverTheBarIsMenu) {
  Start();
  for (int i = 0; i < 4; ++i) {
    const POINT p = FrameToScreen(wnd_, Centre(Item(i).Rect));
    EXPECT_EQ(SendMessageW(wnd_, WM_NCHITTEST, 0, PointParam(p)), HTMENU) << i;
  }
  const POINT right = FrameToScreen(wnd_, POINT{Item(3).Rect.right + 20, Item(3).Rect.top + 2});
  EXPECT_EQ(SendMessageW(wnd_, WM_NCHITTEST, 0, PointParam(right)), HTMENU) << "the bar beyond the last item";
}

}  // namespace

namespace {

using namespace menu_test;

// A skin title bar taller than the system's caption puts the bar where the
// system's hit test finds nothing.
TEST_F(MenuBarTest, HitTestOverTheBarBelowATallTitleIsMenu) {
  Start();
  form_->BorderTop = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + 12;
  SetWindowPos(wnd_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  Repaint();
  const POINT p = FrameToScreen(wnd_, Centre(Item(1).Rect));
  EXPECT_EQ(SendMessageW(wnd_, WM_NCHITTEST, 0, PointParam(p)), HTMENU);
  // Opening by a real click there goes through the same hit test.
  EXPECT_EQ(form_->MenuBarItemAt(POINT{Item(1).Rect.left + 1, Item(1).Rect.top + 1}), &Item(1));
}

}  // namespace

namespace {

using namespace menu_test;

// Bad margins from a skin: the bar is painted all the same and its items stay on it.
TEST_F(MenuBarTest, OddBarMarginsKeepTheItemsOnTheBar) {
  for (int tile : {0, 1}) {
    Start(MenuSkinDefinition(true, -50, 100000, tile));
    EXPECT_EQ(Item(0).Rect.left, button_test::kLeft + 12) << tile;
    Item(1).MouseEnter();
    Item(1).MouseLeave();
    TearDown();
    menu_ = TTestMenu();  // the last one went with its window
  }
  Start(MenuSkinDefinition(true, 100000, -7, 0));
  EXPECT_EQ(Item(0).Rect.left, button_test::kLeft + 12);
}

}  // namespace

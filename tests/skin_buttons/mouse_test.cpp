// The non-client mouse over the caption buttons: press and release, the
// hover check, the actions, the system menu, inactive windows and hit testing.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "support/Cursor.h"

namespace {

using namespace button_test;

class SysButtonMouse : public ::testing::Test {
 protected:
  void TearDown() override {
    window_.reset();
    data_.reset();
    skin::FreeSkinManage();
  }

  std::unique_ptr<skin::TSkinData> data_ = MakeButtonSkin();
  std::unique_ptr<TSkinnedWindow> window_ = std::make_unique<TSkinnedWindow>(*data_);
  TSkinnedWindow& w = *window_;
};

POINT BareCaption(const TSkinnedWindow& w) { return FrameToScreen(w.Wnd(), POINT{150, 6}); }

TEST_F(SysButtonMouse, PressAndReleaseOnCloseClosesTheWindow) {
  w.Click(kClose);
  EXPECT_FALSE(w.Form().Timer->Enabled());
  EXPECT_TRUE(PumpUntil([] { return CountRecorded(WM_CLOSE) == 1; }, 1000));
  EXPECT_EQ(CountRecorded(WM_NCLBUTTONDOWN) + CountRecorded(WM_NCLBUTTONUP), 0);  // consumed
}

TEST_F(SysButtonMouse, PressOnCloseAndReleaseElsewhereDoesNothing) {
  w.Send(WM_NCMOUSEMOVE, w.ScreenPoint(kClose));
  w.Send(WM_NCLBUTTONDOWN, w.ScreenPoint(kClose));
  w.Send(WM_NCMOUSEMOVE, BareCaption(w));
  EXPECT_EQ(w.Button(kClose).State, skin::ncsNormal);
  w.Send(WM_NCLBUTTONUP, BareCaption(w));
  PumpFor(100);
  EXPECT_EQ(CountRecorded(WM_CLOSE), 0);
  EXPECT_EQ(CountRecorded(WM_NCLBUTTONUP), 1);  // nothing hit: the old procedure has it
}

TEST_F(SysButtonMouse, ReleaseActsOnlyForTheButtonThatIsHot) {
  // Pressed on close, dragged onto the extra button: the release is the extra button's.
  w.Send(WM_NCLBUTTONDOWN, w.ScreenPoint(kClose));
  w.Send(WM_NCMOUSEMOVE, w.ScreenPoint(kExtra));
  w.Send(WM_NCLBUTTONUP, w.ScreenPoint(kExtra));
  PumpFor(100);
  ASSERT_EQ(CountRecorded(skin::WM_SKINBUTTON), 1);
  EXPECT_EQ(Recorded().back().WParam, WPARAM(5));
  EXPECT_EQ(CountRecorded(WM_CLOSE), 0);
  EXPECT_EQ(w.Button(kExtra).State, skin::ncsHot);

  // A release over a button the mouse was never seen to enter is swallowed.
  Recorded().clear();
  w.Send(WM_NCMOUSEMOVE, BareCaption(w));
  w.Send(WM_NCLBUTTONUP, w.ScreenPoint(kClose));
  PumpFor(100);
  EXPECT_EQ(CountRecorded(WM_CLOSE), 0);
  EXPECT_EQ(CountRecorded(WM_NCLBUTTONUP), 0);
}

TEST_F(SysButtonMouse, ButtonWithNegativeActionIsNeverHit) {
  w.Send(WM_NCMOUSEMOVE, w.ScreenPoint(kNeverHit));
  EXPECT_EQ(w.Form().HotObject, nullptr);
  EXPECT_EQ(CountRecorded(WM_NCMOUSEMOVE), 1);
}

TEST_F(SysButtonMouse, HoverCheckReturnsALeftButtonToNormal) {
  w.Send(WM_NCMOUSEMOVE, w.ScreenPoint(kClose));
  w.Send(WM_NCLBUTTONDOWN, w.ScreenPoint(kClose));
  ASSERT_EQ(w.Button(kClose).State, skin::ncsPressed);
  SetCursorPos(5, 5);  // off the window, without a non-client message

  // While a menu-bar popup is tracked the check stands still.
  w.Form().MenuTracking = true;
  w.Form().HoverCheck();
  EXPECT_EQ(w.Button(kClose).State, skin::ncsPressed);
  w.Form().MenuTracking = false;

  w.Form().HoverCheck();
  EXPECT_EQ(w.Button(kClose).State, skin::ncsNormal);
  EXPECT_EQ(w.Form().HotObject, nullptr);
  EXPECT_EQ(w.PixelOf(kClose), FrameColour(kCloseTag, 1));
}

TEST_F(SysButtonMouse, TheWindowsTickRunsTheHoverCheck) {
  SetCursorPos(w.ScreenPoint(kClose).x, w.ScreenPoint(kClose).y);
  w.Send(WM_NCMOUSEMOVE, w.ScreenPoint(kClose));
  ASSERT_EQ(w.Button(kClose).State, skin::ncsHot);
  SetCursorPos(5, 5);
  // The tick runs only while the window is active, and restarts when it
  // becomes active again; other programs on the desktop may take the focus.
  bool steady = true;
  const bool left = PumpUntil([&] {
    steady = steady && w.Form().Active;
    if (!w.Form().Active) SetForegroundWindow(w.Wnd());
    return w.Button(kClose).State == skin::ncsNormal;
  }, 3000);
  if (!left && !steady) GTEST_SKIP() << "the window kept losing the focus to another program";
  EXPECT_TRUE(left);
}

// An idle window costs no ticks: the hover tick runs while the mouse is over
// the window or something is hot, and stops by itself once neither holds.
TEST_F(SysButtonMouse, HoverTickRunsOnlyWhileTheMouseIsOverTheWindowOrAButtonIsHot) {
  const auto tickStops = [&] { return PumpUntil([&] { return !w.Form().Timer->Enabled(); }, 3000); };
  test_support::SettleCursor(POINT{5, 5});
  ASSERT_TRUE(tickStops());
  PumpFor(600);  // two periods: nothing starts it again
  EXPECT_FALSE(w.Form().Timer->Enabled());

  struct TCase {
    const char* Name;
    UINT Message;
    POINT Point;
  };
  RECT client{};
  GetClientRect(w.Wnd(), &client);
  POINT clientPoint{client.right / 2, client.bottom / 2};
  ClientToScreen(w.Wnd(), &clientPoint);
  const TCase comebacks[] = {{"over the caption", WM_NCMOUSEMOVE, BareCaption(w)},
                             {"over the client area", WM_MOUSEMOVE, clientPoint}};
  for (const TCase& c : comebacks) {
    SCOPED_TRACE(c.Name);
    test_support::SettleCursor(c.Point);
    POINT inClient = c.Point;
    ScreenToClient(w.Wnd(), &inClient);
    SendMessageW(w.Wnd(), c.Message, c.Message == WM_MOUSEMOVE ? 0 : HTCAPTION,
                 PointParam(c.Message == WM_MOUSEMOVE ? inClient : c.Point));
    EXPECT_TRUE(w.Form().Timer->Enabled());
    PumpFor(600);
    EXPECT_TRUE(w.Form().Timer->Enabled());  // the mouse is still here
    test_support::SettleCursor(POINT{5, 5});
    EXPECT_TRUE(tickStops());
  }

  // A hot button left quickly (no message over the border on the way out)
  // goes back to normal on the tick, which then stops.
  test_support::SettleCursor(w.ScreenPoint(kClose));
  w.Send(WM_NCMOUSEMOVE, w.ScreenPoint(kClose));
  ASSERT_EQ(w.Button(kClose).State, skin::ncsHot);
  test_support::SettleCursor(POINT{5, 5});
  EXPECT_TRUE(tickStops());
  EXPECT_EQ(w.Button(kClose).State, skin::ncsNormal);
  EXPECT_EQ(w.Form().HotObject, nullptr);
}

TEST_F(SysButtonMouse, MaximiseRestoreAndMinimiseChangeTheWindowState) {
  w.Click(kMaximize);
  EXPECT_EQ(w.Form().WindowState, skin::wsMaximized);  // at once, before the posted command
  EXPECT_EQ(w.Form().HotObject, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w.Wnd()) != FALSE; }));

  w.Layout();
  ASSERT_TRUE(w.Button(kRestore).Visible);
  w.Click(kRestore);
  EXPECT_EQ(w.Form().WindowState, skin::wsNormal);
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(w.Wnd()); }));

  w.Layout();
  w.Click(kMinimize);
  EXPECT_EQ(w.Form().WindowState, skin::wsMinimized);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(w.Wnd()) != FALSE; }));
  ShowWindow(w.Wnd(), SW_RESTORE);
  Pump();
}

TEST_F(SysButtonMouse, DoubleClickOnTheFrameMaximisesAndRestores) {
  w.Send(WM_NCLBUTTONDBLCLK, BareCaption(w));
  EXPECT_EQ(w.Form().WindowState, skin::wsMaximized);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w.Wnd()) != FALSE; }));
  // Anywhere on the frame, a caption button's place included.
  w.Layout();
  w.Send(WM_NCLBUTTONDBLCLK, w.ScreenPoint(kClose), HTBOTTOM);
  EXPECT_EQ(w.Form().WindowState, skin::wsNormal);
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(w.Wnd()); }));
}

TEST_F(SysButtonMouse, InactiveWindowSwallowsMovesAndAPressActivatesIt) {
  HWND other = CreateWindowExW(0, RecordingClass(), L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400, 200, 150,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(PumpUntil([&] { return !w.Form().Active; }));
  Recorded().clear();

  w.Send(WM_NCMOUSEMOVE, w.ScreenPoint(kClose));
  w.Send(WM_NCMOUSEMOVE, BareCaption(w));
  EXPECT_EQ(w.Form().HotObject, nullptr);
  EXPECT_EQ(CountRecorded(WM_NCMOUSEMOVE), 0);

  w.Send(WM_NCLBUTTONDOWN, w.ScreenPoint(kClose));
  EXPECT_TRUE(w.Form().Active);
  EXPECT_EQ(GetForegroundWindow(), w.Wnd());
  EXPECT_EQ(w.Button(kClose).State, skin::ncsPressed);
  DestroyWindow(other);
}

TEST_F(SysButtonMouse, PressOnTheCaptionOfAMaximisedWindowDoesNotMoveIt) {
  w.Send(WM_NCLBUTTONDOWN, BareCaption(w));
  ASSERT_EQ(CountRecorded(WM_NCLBUTTONDOWN), 1);
  EXPECT_EQ(Recorded().back().WParam, WPARAM(HTCAPTION));

  ShowWindow(w.Wnd(), SW_MAXIMIZE);
  Pump();
  ASSERT_TRUE(Activate(w.Wnd(), w.Form()));
  w.Send(WM_NCLBUTTONDOWN, BareCaption(w));
  ASSERT_EQ(CountRecorded(WM_NCLBUTTONDOWN), 2);
  EXPECT_EQ(Recorded().back().WParam, WPARAM(HTMENU));
}

// Closes the popup menu the code under test tracks, from a thread timer
// (which fires inside the menu's own loop), and remembers that it was shown.
class TMenuCloser {
 public:
  TMenuCloser() {
    seen_ = false;
    timer_ = SetTimer(nullptr, 0, 50, Tick);
  }
  ~TMenuCloser() { KillTimer(nullptr, timer_); }
  TMenuCloser(const TMenuCloser&) = delete;
  TMenuCloser& operator=(const TMenuCloser&) = delete;
  bool Seen() const { return seen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    seen_ = true;
    EndMenu();
  }
  static inline bool seen_ = false;
  UINT_PTR timer_;
};

TEST_F(SysButtonMouse, IconButtonAndRightClickOnTheCaptionOpenTheSystemMenu) {
  {
    TMenuCloser closer;
    w.Click(kSystemMenu);  // returns when the menu is closed
    EXPECT_TRUE(closer.Seen());
  }
  {
    TMenuCloser closer;
    EXPECT_EQ(w.Send(WM_NCRBUTTONDOWN, BareCaption(w)), 0);
    EXPECT_TRUE(closer.Seen());
    EXPECT_EQ(CountRecorded(WM_NCRBUTTONDOWN), 0);
  }
  // Elsewhere than the caption, and on an MDI child, the old procedure has it.
  w.Send(WM_NCRBUTTONDOWN, BareCaption(w), HTBOTTOM);
  w.Form().FormKind = skin::fkMdiChild;
  w.Send(WM_NCRBUTTONDOWN, BareCaption(w));
  w.Form().FormKind = skin::fkNormal;
  EXPECT_EQ(CountRecorded(WM_NCRBUTTONDOWN), 2);
}

TEST_F(SysButtonMouse, SystemMenuFitsTheWindowState) {
  const HMENU menu = w.Form().SysMenu;
  ASSERT_NE(menu, nullptr);
  const auto grayed = [&](UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0; };
  {
    TMenuCloser closer;
    w.Form().ShowSystemMenu(BareCaption(w).x, BareCaption(w).y);
  }
  EXPECT_TRUE(grayed(SC_RESTORE));
  EXPECT_FALSE(grayed(SC_MAXIMIZE));
  EXPECT_FALSE(grayed(SC_MINIMIZE));
  // The caption-button styles are off the skinned window again.
  EXPECT_EQ(GetWindowLongPtrW(w.Wnd(), GWL_STYLE) & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU), 0);

  ShowWindow(w.Wnd(), SW_MAXIMIZE);
  Pump();
  {
    TMenuCloser closer;
    w.Form().ShowSystemMenu(BareCaption(w).x, BareCaption(w).y);
  }
  EXPECT_FALSE(grayed(SC_RESTORE));
  EXPECT_TRUE(grayed(SC_MAXIMIZE));
  EXPECT_TRUE(grayed(SC_MOVE));
}

TEST_F(SysButtonMouse, HitTestAnswersTheButtonsKindsAndTurnsCaptionIntoMenuOverTheMenuBar) {
  const auto hit = [&](POINT frame) {
    return SendMessageW(w.Wnd(), WM_NCHITTEST, 0, PointParam(FrameToScreen(w.Wnd(), frame)));
  };
  const auto systemHit = [&](POINT frame) {
    return DefWindowProcW(w.Wnd(), WM_NCHITTEST, 0, PointParam(FrameToScreen(w.Wnd(), frame)));
  };
  // Over ours, the codes of the system's own buttons of their kind; over an
  // application's button, or one that is never hit, the caption.
  const struct {
    int Button;
    int Action;  // set for the row; 0 keeps the skin's
    LRESULT Code;
  } rows[] = {
      {kClose, 0, HTCLOSE},     {kMaximize, 0, HTMAXBUTTON}, {kMinimize, 0, HTMINBUTTON},
      {kSystemMenu, 0, HTSYSMENU}, {kExtra, 0, HTCAPTION},   {kExtra, 4, HTHELP},
      {kNeverHit, 0, HTCAPTION},
  };
  for (const auto& row : rows) {
    skin::TDataSkinSysButton& skin = *w.Button(row.Button).SkinButton;
    const int action = skin.Action;
    if (row.Action) skin.Action = row.Action;
    ASSERT_TRUE(w.Button(row.Button).Visible) << row.Button;
    EXPECT_EQ(hit(Centre(w.Button(row.Button).Rect)), row.Code) << row.Button << " action " << skin.Action;
    skin.Action = action;
  }

  // With a menu bar under the title, caption becomes menu from its first row on.
  w.Form().MenuBarHeight = 10;
  SetWindowPos(w.Wnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  const POINT title{150, kTop - 1};
  const POINT menuBar{150, kTop};
  ASSERT_EQ(systemHit(menuBar), HTCAPTION) << "the system caption must reach the menu bar for this test";
  EXPECT_EQ(hit(menuBar), HTMENU);
  EXPECT_EQ(hit(title), systemHit(title));
  w.Form().MenuBarHeight = 0;
  SetWindowPos(w.Wnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

}  // namespace

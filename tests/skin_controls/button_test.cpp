// Push buttons: the frame and caption colour of each state, and exactly one
// click per press and release.
#include "ControlTestSupport.h"
#include "support/Cursor.h"

namespace {

using namespace control_test;

constexpr int kId = 101;

class ButtonTest : public ControlTest {
 protected:
  // A bare window with two push buttons; the second one holds the focus.
  void MakeBareButtons(const wchar_t* caption = L"OK") {
    const HWND wnd = NewBareWindow();
    button_ = Child(wnd, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, RECT{20, 20, 120, 50}, kId);
    other_ = Child(wnd, L"BUTTON", L"Other", BS_PUSHBUTTON | WS_TABSTOP, RECT{20, 80, 120, 110}, kId + 1);
    SetFocus(other_);
    Skin(wnd);
  }

  void Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = MAKELPARAM(5, 5)) {
    SendMessageW(button_, msg, wParam, lParam);
    Pump();
  }

  HWND button_ = nullptr;
  HWND other_ = nullptr;
};

TEST_F(ButtonTest, FrameOfEachState) {
  MakeBareButtons();
  ASSERT_NE(CompanionOf(button_), nullptr);
  EXPECT_EQ(ButtonFrameShown(button_), 1);

  Send(WM_MOUSEMOVE);  // hot
  EXPECT_EQ(ButtonFrameShown(button_), 4);
  CompanionOf(button_)->SendMouseLeave();
  EXPECT_EQ(ButtonFrameShown(button_), 1);

  Send(WM_LBUTTONDOWN, MK_LBUTTON);  // pressed, and takes the focus
  EXPECT_EQ(ButtonFrameShown(button_), 2);
  EXPECT_EQ(GetFocus(), button_);
  Send(WM_LBUTTONUP);
  EXPECT_EQ(ButtonFrameShown(button_), FocusFrame(button_));  // focused, no mouse over it

  EnableWindow(button_, FALSE);
  Send(WM_MOUSEMOVE);
  EXPECT_EQ(ButtonFrameShown(button_), 3);  // disabled wins over hot
}

TEST_F(ButtonTest, FocusedAtAttachShowsAtOnce) {
  const HWND wnd = NewBareWindow();
  button_ = Child(wnd, L"BUTTON", L"OK", BS_PUSHBUTTON, RECT{20, 20, 120, 50}, kId);
  SetFocus(button_);
  Skin(wnd);
  EXPECT_EQ(ButtonFrameShown(button_), FocusFrame(button_));
}

TEST_F(ButtonTest, CaptionColourOfEachState) {
  MakeBareButtons(L"WWWW");
  const TColor shadow = TColor(GetSysColor(COLOR_BTNSHADOW));
  const auto colours = [&] {
    const TShot shot(button_);
    return std::vector<int>{shot.Count(kTextNormal), shot.Count(kTextHot), shot.Count(kTextPressed),
                            shot.Count(shadow)};
  };
  EXPECT_GT(colours()[0], 0);
  Send(WM_MOUSEMOVE);
  EXPECT_EQ(colours()[0], 0);
  EXPECT_GT(colours()[1], 0);
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_GT(colours()[2], 0);
  Send(WM_LBUTTONUP);
  EnableWindow(button_, FALSE);
  Pump();
  const auto disabled = colours();
  EXPECT_EQ(disabled[0] + disabled[1] + disabled[2], 0);
  EXPECT_GT(disabled[3], 0);
}

TEST_F(ButtonTest, NewCaptionShowsAtOnce) {
  MakeBareButtons(L"");
  EXPECT_EQ(TShot(button_).Count(kTextNormal), 0);
  SetWindowTextW(button_, L"WWWW");
  EXPECT_EQ(CompanionOf(button_)->Caption, L"WWWW");
  EXPECT_GT(TShot(button_).Count(kTextNormal), 0);
}

TEST_F(ButtonTest, BareButtonClicksOnceOnReleaseWithItsId) {
  MakeBareButtons();
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_TRUE(Commands().empty());  // nothing on the press
  Send(WM_LBUTTONUP);
  ASSERT_EQ(Commands().size(), 1u);
  EXPECT_EQ(Commands()[0].WParam, MAKEWPARAM(kId, BN_CLICKED));
  EXPECT_EQ(Commands()[0].LParam, reinterpret_cast<LPARAM>(button_));

  // A double click is two presses.
  Commands().clear();
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  Send(WM_LBUTTONUP);
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON);
  EXPECT_EQ(ButtonFrameShown(button_), 2);
  Send(WM_LBUTTONUP);
  EXPECT_EQ(Commands().size(), 2u);

  // A release whose press began elsewhere is no click.
  Commands().clear();
  Send(WM_LBUTTONUP);
  EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonTest, SpaceBarPressesAndClicksOtherKeysDoNothing) {
  MakeBareButtons();
  SetFocus(button_);
  Pump();
  Send(WM_KEYDOWN, 'A', 0);
  Send(WM_KEYUP, 'A', 0);
  EXPECT_EQ(ButtonFrameShown(button_), FocusFrame(button_));
  EXPECT_TRUE(Commands().empty());

  Send(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(ButtonFrameShown(button_), 2);
  EXPECT_TRUE(Commands().empty());
  Send(WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(ButtonFrameShown(button_), FocusFrame(button_));
  ASSERT_EQ(Commands().size(), 1u);  // the button's own click
  EXPECT_EQ(LOWORD(Commands()[0].WParam), kId);
}

TEST_F(ButtonTest, FrameworkButtonClicksOnceWithIdZero) {
  ui::TForm* form = NewForm();
  auto* button = new ui::TButton(form);
  button->SetBounds(20, 20, 100, 30);
  button->SetCaption(L"OK");
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](ui::TObject*) { ++clicks; };
  TCommandRecorder commands(form);
  Skin(form);
  ASSERT_NE(CompanionOf(button->Handle()), nullptr);

  const HWND wnd = button->Handle();
  PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(50);
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(commands.WParams.size(), 1u);
  EXPECT_EQ(commands.WParams[0], 0u);

  PostMessageW(wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(50);
  EXPECT_EQ(clicks, 2);
}

// A bare button turns hot on a mouse move and hears of no leaving: the
// window's tick takes it back, also when the window is skinned for its
// controls only (and so not subclassed).
TEST_F(ButtonTest, BareButtonOfAControlsOnlyWindowCoolsOffByTheTick) {
  NewBareWindow();
  const HWND wnd = Child(bareWnd_, L"BUTTON", L"OK", BS_PUSHBUTTON, RECT{20, 20, 120, 50}, 7);
  skin::TWinSkinForm& companion = Skin(bareWnd_);
  ASSERT_NE(CompanionOf(wnd), nullptr);
  POINT over{50, 15};
  ClientToScreen(wnd, &over);
  test_support::SettleCursor(over);
  SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(50, 15));
  EXPECT_EQ(companion.HotControl, CompanionOf(wnd));
  EXPECT_EQ(ButtonFrameShown(wnd), 4);

  test_support::SettleCursor(POINT{1015, 760});
  PumpFor(700);  // a few ticks of 250 ms
  EXPECT_EQ(companion.HotControl, nullptr);
  EXPECT_EQ(ButtonFrameShown(wnd), 1);
}

TEST_F(ButtonTest, FrameworkButtonHotWhileTheMouseIsOverIt) {
  ui::TForm* form = NewForm();
  auto* button = new ui::TButton(form);
  auto* other = new ui::TButton(form);
  button->SetBounds(20, 20, 100, 30);
  other->SetBounds(20, 80, 100, 30);
  button->SetParent(form);
  other->SetParent(form);
  other->SetFocus();
  skin::TWinSkinForm& companion = Skin(form);
  const HWND wnd = button->Handle();
  EXPECT_EQ(ButtonFrameShown(wnd), 1);

  POINT over{50, 15};
  ClientToScreen(wnd, &over);
  SetCursorPos(over.x, over.y);
  PumpFor(200);
  EXPECT_EQ(ButtonFrameShown(wnd), 4);
  EXPECT_EQ(companion.HotControl, CompanionOf(wnd));

  SetCursorPos(1015, 760);
  PumpFor(200);
  companion.ControlsHoverCheck();  // in case the system's leave notice is late
  EXPECT_EQ(ButtonFrameShown(wnd), 1);
  EXPECT_EQ(companion.HotControl, nullptr);
}

}  // namespace

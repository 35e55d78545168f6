// Check boxes and radio buttons: which frame of the strip shows for each
// state, where the mark goes, and that it follows every change at once.
#include "ControlTestSupport.h"
#include "skin/WinSubClass/SkinCheckBox.h"

namespace {

using namespace control_test;

TEST(MarkPlace, CentredInTheCellOrAtTheEdge) {
  const RECT control{0, 0, 120, 20};
  const auto place = [&](int width, bool leftText) { return skin::MarkRect(control, SIZE{width, 13}, 14, leftText); };
  EXPECT_EQ(place(13, false).left, 0);  // (14 - 13) div 2
  EXPECT_EQ(place(12, false).left, 1);
  EXPECT_EQ(place(16, false).left, 0);  // wider than the cell: at the edge
  EXPECT_EQ(place(13, true).right, 120);
  EXPECT_EQ(place(12, true).right, 119);
  EXPECT_EQ(place(15, true).right, 119);  // wider: one pixel kept free
  EXPECT_EQ(place(15, true).left, 104);
  EXPECT_EQ(place(13, false).top, 3);  // centred: (20 - 13) div 2
  EXPECT_EQ(place(13, false).bottom, 16);
}

class MarkTest : public ControlTest {
 protected:
  HWND Box(DWORD style, const wchar_t* text = L"Check") {
    if (!IsWindow(bareWnd_)) NewBareWindow();
    const HWND wnd = Child(bareWnd_, L"BUTTON", text, style, RECT{20, 20 + 30 * count_, 140, 40 + 30 * count_}, 200 + count_);
    ++count_;
    return wnd;
  }
  // The frame of `colours` shown in the mark's middle (0 when none).
  static int Shown(HWND wnd, const TColor* colours, int frames, int x) {
    const TColor c = TShot(wnd).At(x, 10);
    for (int i = 1; i <= frames; ++i)
      if (c == colours[i]) return i;
    return 0;
  }
  static int Check(HWND wnd, int x = 6) { return Shown(wnd, kCheckFrame, 5, x); }
  static int Radio(HWND wnd, int x = 6) { return Shown(wnd, kRadioFrame, 4, x); }
  static void Set(HWND wnd, WPARAM state) { SendMessageW(wnd, BM_SETCHECK, state, 0); }

  int count_ = 0;
};

TEST_F(MarkTest, CheckBoxFrames) {
  const HWND box = Box(BS_AUTO3STATE);
  Skin(bareWnd_);
  ASSERT_NE(CompanionOf(box), nullptr);
  EXPECT_EQ(CompanionOf(box)->ClassName(), "TSkinCheckBox");
  EXPECT_EQ(Check(box), 1);
  Set(box, BST_CHECKED);  // shows at once, without waiting for a paint
  EXPECT_EQ(Check(box), 2);
  Set(box, BST_INDETERMINATE);
  EXPECT_EQ(Check(box), 4);
  EnableWindow(box, FALSE);
  EXPECT_EQ(Check(box), 3);  // disabled, whatever the state
  Set(box, BST_CHECKED);
  EXPECT_EQ(Check(box), 3);

  // The key-colour pixel of the mark shows the face colour beneath.
  const TShot shot(box);
  EXPECT_EQ(shot.At(0, 3), kFace);
  EXPECT_EQ(shot.At(1, 3), kCheckFrame[3]);
}

TEST_F(MarkTest, ClickTogglesAndRepaints) {
  const HWND box = Box(BS_AUTOCHECKBOX);
  Skin(bareWnd_);
  PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Check(box), 2);
}

TEST_F(MarkTest, MarkOnTheRightWithLeftText) {
  const HWND box = Box(BS_AUTOCHECKBOX | BS_LEFTTEXT);
  const HWND radio = Box(BS_AUTORADIOBUTTON | BS_LEFTTEXT);
  Skin(bareWnd_);
  // 120 wide: a 13-pixel mark ends at the edge, a 12-pixel one a pixel in.
  EXPECT_EQ(TShot(box).BoundsOf(kCheckFrame[1]).right, 120);
  EXPECT_EQ(TShot(radio).BoundsOf(kRadioFrame[1]).right, 119);
  EXPECT_EQ(Check(box, 6), 0);  // nothing of the mark on the left
}

TEST_F(MarkTest, RadioButtonFrames) {
  const HWND radio = Box(BS_AUTORADIOBUTTON, L"Radio");
  const HWND plain = Box(BS_RADIOBUTTON, L"Radio");
  Skin(bareWnd_);
  ASSERT_NE(CompanionOf(radio), nullptr);
  EXPECT_EQ(CompanionOf(plain)->ClassName(), "TSkinRadioButton");
  const RECT mark = TShot(radio).BoundsOf(kRadioFrame[1]);
  EXPECT_EQ(mark.left, 1);  // 12 wide: one pixel into the cell
  EXPECT_EQ(mark.right - mark.left, kRadioSize);
  Set(radio, BST_CHECKED);
  EXPECT_EQ(Radio(radio), 2);
  EnableWindow(radio, FALSE);
  EXPECT_EQ(Radio(radio), 4);  // disabled and checked
  Set(radio, BST_UNCHECKED);
  EXPECT_EQ(Radio(radio), 3);
}

TEST_F(MarkTest, FrameworkCheckBoxAndRadioButton) {
  ui::TForm* form = NewForm();
  auto* box = new ui::TCheckBox(form);
  box->SetBounds(20, 20, 120, 20);
  box->AllowGrayed = true;
  box->SetParent(form);
  auto* right = new ui::TCheckBox(form);
  right->SetBounds(20, 50, 120, 20);
  right->SetAlignment(ui::taLeftJustify);
  right->SetParent(form);
  auto* radio = new ui::TRadioButton(form);
  radio->SetBounds(20, 80, 120, 20);
  radio->SetParent(form);
  Skin(form);
  EXPECT_EQ(box->Color(), kFace);  // the control's background is the skin's face

  box->SetState(ui::cbGrayed);
  EXPECT_EQ(Check(box->Handle()), 4);
  box->SetState(ui::cbChecked);
  EXPECT_EQ(Check(box->Handle()), 2);
  EXPECT_EQ(TShot(right->Handle()).BoundsOf(kCheckFrame[1]).right, 120);
  // A click through the control's own handling: state, mark and event.
  int clicks = 0;
  radio->OnClick = [&](ui::TObject*) { ++clicks; };

  PostMessageW(radio->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(radio->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(50);
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Radio(radio->Handle()), 2);
}

}  // namespace

// Combo boxes: the drop-down button and its glyph by state, the sunken
// edges, a press whose release never comes, and skins without the images.
#include "EditTestSupport.h"
#include "skin/WinSubClass/SkinComBox.h"

namespace {

using namespace edit_test;

class ComboTest : public EditTest {
 protected:
  // A drop-down list on the recording parent, skinned.
  HWND NewCombo(DWORD type = CBS_DROPDOWNLIST) {
    const HWND parent = NewNoteWindow();
    combo_ = ChildEx(parent, L"COMBOBOX", 0, type | WS_VSCROLL, RECT{20, 20, 180, 200});
    for (const wchar_t* item : {L"one", L"two", L"three"})
      SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SetFocus(parent);  // the combo box shows its unfocused look first
    Skin(parent);
    companionOf_ = dynamic_cast<skin::TSkinComBox*>(CompanionOf(combo_));
    PaintNow(combo_);
    return combo_;
  }
  // The button's frame (by its colour near the right edge) and the glyph's
  // (by the colour at the button's centre); 0 when neither shows.
  int ButtonFrame() const {
    const TShot shot(combo_);
    const TColor c = shot.At(shot.Width() - 2, 2);
    for (int i = 1; i <= 4; ++i)
      if (c == kCombo[i]) return i;
    return 0;
  }
  int GlyphFrame() const {
    const TShot shot(combo_);
    const int buttonWidth = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const TColor c = shot.At(shot.Width() - buttonWidth / 2 - 1, shot.Height() / 2);
    for (int i = 1; i <= 5; ++i)
      if (c == kGlyph[i]) return i;
    return 0;
  }
  LPARAM ButtonPoint() const {
    RECT r{};
    GetClientRect(combo_, &r);
    return Point(r.right - 5, r.bottom / 2);
  }

  HWND combo_ = nullptr;
  skin::TSkinComBox* companionOf_ = nullptr;
};

TEST_F(ComboTest, ButtonAndGlyphShowTheState) {
  NewCombo();
  ASSERT_NE(companionOf_, nullptr);
  ASSERT_NE(GetFocus(), combo_);
  EXPECT_EQ(ButtonFrame(), 1);
  EXPECT_EQ(GlyphFrame(), 1);

  // Hot (the framework's mouse-enter), and back.
  SendMessageW(combo_, ui::CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(ButtonFrame(), 4);
  EXPECT_EQ(GlyphFrame(), 4);
  SendMessageW(combo_, ui::CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ButtonFrame(), 1);

  // Focused.
  SetFocus(combo_);
  Pump();
  if (GetFocus() == combo_) {
    EXPECT_EQ(ButtonFrame(), 4);
  }
  SetFocus(GetParent(combo_));
  Pump();

  // Disabled: frame 3 of button and glyph.
  EnableWindow(combo_, FALSE);
  Pump();
  EXPECT_EQ(ButtonFrame(), 3);
  EXPECT_EQ(GlyphFrame(), 3);
  // The mouse entering a disabled combo box changes nothing.
  SendMessageW(combo_, ui::CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(ButtonFrame(), 3);
  EnableWindow(combo_, TRUE);
  Pump();
  EXPECT_EQ(ButtonFrame(), 1);
}

TEST_F(ComboTest, PressedWhileTheButtonIsDown) {
  NewCombo();
  ASSERT_NE(companionOf_, nullptr);
  SendMessageW(combo_, WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
  EXPECT_EQ(ButtonFrame(), 2);
  EXPECT_EQ(GlyphFrame(), 2);
  SendMessageW(combo_, WM_LBUTTONUP, 0, ButtonPoint());
  // The click gave it the focus.
  EXPECT_EQ(ButtonFrame(), GetFocus() == combo_ || IsChild(combo_, GetFocus()) ? 4 : 1);
  SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
  Pump();
}

// The release may never reach the combo box (another window takes the
// mouse, or the list does): the pressed look must not stay.
TEST_F(ComboTest, PressEndsWhenTheMouseIsTakenAway) {
  NewCombo();
  ASSERT_NE(companionOf_, nullptr);
  SendMessageW(combo_, WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
  ASSERT_EQ(ButtonFrame(), 2);
  SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
  SetCapture(GetParent(combo_));
  ReleaseCapture();
  Pump();
  EXPECT_EQ(companionOf_->MouseState & skin::msDown, 0u);
  EXPECT_NE(ButtonFrame(), 2);
}

TEST_F(ComboTest, SunkenEdgesOnTheLeftTopAndBottom) {
  NewCombo();
  const TShot shot(combo_);
  const int h = shot.Height();
  EXPECT_EQ(shot.At(0, h / 2), kSunk);
  EXPECT_EQ(shot.At(10, 0), kSunk);
  EXPECT_EQ(shot.At(10, h - 1), kSunk);
  EXPECT_EQ(shot.At(0, 0), kSunk);
  EXPECT_EQ(shot.At(0, h - 1), kSunk);
  // The edges are one pixel thick (the image's margins are 1).
  EXPECT_NE(shot.At(1, h / 2), kSunk);
}

TEST_F(ComboTest, WithoutItsImagesTheSystemLookStays) {
  data_ = MakeEditSkin(false, true);
  const HWND parent = NewNoteWindow();
  combo_ = ChildEx(parent, L"COMBOBOX", 0, CBS_DROPDOWNLIST, RECT{20, 20, 180, 200});
  PaintNow(combo_);
  const TShot before(combo_);
  Skin(parent);
  ASSERT_NE(CompanionOf(combo_), nullptr);
  PaintNow(combo_);
  const TShot after(combo_);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(after.Count(kCombo[i]), 0);
  EXPECT_EQ(after.Count(kSunk), 0);
  EXPECT_EQ(before.At(before.Width() - 2, 2), after.At(after.Width() - 2, 2));
}

TEST_F(ComboTest, OddGlyphDataNeverCrashes) {
  // No frame count, an image narrower than its frames, no glyph at all.
  for (int step = 0; step < 3; ++step) {
    SCOPED_TRACE(step);
    data_ = MakeEditSkin();
    if (step == 0) data_->ExtraImages->FrameCount = 0;
    if (step == 1) data_->ExtraImages->Bitmap.SetSize(3, 4);
    if (step == 2) data_->ExtraImages.reset();
    NewCombo();
    EXPECT_EQ(ButtonFrame(), 1);
    Unskin();
  }
}

}  // namespace

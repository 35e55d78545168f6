// Up-downs: the two halves by state from the skin's images, the drawn
// arrows without them, clicks that still step the control and its buddy,
// and a press whose release never comes.
#include "EditTestSupport.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "support/Cursor.h"

namespace {

using namespace edit_test;

class UpDownTest : public EditTest {
 protected:
  // A vertical (or horizontal) up-down 20 x 40 (40 x 20) on the recording
  // parent, with an edit as its buddy, and its companion.
  skin::TSkinUpDown& NewUpDown(bool horizontal = false) {
    const HWND parent = NewNoteWindow();
    buddy_ = ChildEx(parent, L"EDIT", WS_EX_CLIENTEDGE, 0, RECT{20, 20, 100, 44});
    const RECT r = horizontal ? RECT{120, 20, 160, 40} : RECT{120, 20, 140, 60};
    upDown_ = ChildEx(parent, UPDOWN_CLASSW, 0, UDS_SETBUDDYINT | UDS_NOTHOUSANDS | (horizontal ? UDS_HORZ : 0), r, 7);
    SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy_), 0);
    SendMessageW(upDown_, UDM_SETRANGE32, 0, 10);
    SendMessageW(upDown_, UDM_SETPOS32, 0, 5);
    skin::TWinSkinForm& form = Skin(parent);
    auto* companion = new skin::TSkinUpDown(&form);
    EXPECT_TRUE(companion->AttachWindow(upDown_, data_.get(), form.ControlCanvas.get()));
    form.Controls.push_back(companion);
    PaintNow(upDown_);
    return *companion;
  }
  // The cursor over a point of the up-down's client area.
  void CursorAt(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(upDown_, &p);
    test_support::SettleCursor(p);
  }
  int Width() const {
    RECT r{};
    GetClientRect(upDown_, &r);
    return r.right;
  }
  int Height() const {
    RECT r{};
    GetClientRect(upDown_, &r);
    return r.bottom;
  }
  std::wstring BuddyText() const { return GetWindowTextString(buddy_); }
  static std::wstring GetWindowTextString(HWND wnd) {
    wchar_t text[64]{};
    GetWindowTextW(wnd, text, 64);
    return text;
  }

  HWND buddy_ = nullptr;
  HWND upDown_ = nullptr;
};

TEST_F(UpDownTest, PressedHalfShowsItsFrameWhileTheOtherStaysNormal) {
  skin::TSkinUpDown& upDown = NewUpDown();
  TShot idle(upDown_);
  CursorAt(10, 30);
  SendMessageW(upDown_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 30));
  EXPECT_TRUE(upDown.MouseState & skin::msDown);
  TShot pressed(upDown_);
  EXPECT_EQ(pressed.At(2, 2), kUpDown[1]);
  EXPECT_EQ(pressed.At(2, 37), kUpDown[6]);

  // Moved to the other half while held: both normal at the next paint.
  CursorAt(10, 5);
  upDown.Redraw();
  TShot moved(upDown_);
  EXPECT_EQ(moved.At(2, 2), kUpDown[1]);
  EXPECT_EQ(moved.At(2, 37), kUpDown[5]);

  SendMessageW(upDown_, WM_LBUTTONUP, 0, Point(10, 5));
  EXPECT_FALSE(upDown.MouseState & skin::msDown);
  SetCursorPos(1015, 760);
}

TEST_F(UpDownTest, HorizontalHalvesAndTheDisabledLook) {
  skin::TSkinUpDown& upDown = NewUpDown(true);
  const int right = Width() - 3;
  CursorAt(right, 5);
  SendMessageW(upDown_, WM_LBUTTONDOWN, MK_LBUTTON, Point(right, 5));
  TShot pressed(upDown_);
  EXPECT_EQ(pressed.At(2, 2), kUpDown[1]);   // left, normal
  EXPECT_EQ(pressed.At(right, 2), kUpDown[6]);  // right, pressed
  SendMessageW(upDown_, WM_LBUTTONUP, 0, Point(right, 5));
  SetCursorPos(1015, 760);

  EnableWindow(upDown_, FALSE);
  upDown.Redraw();
  TShot disabled(upDown_);
  EXPECT_EQ(disabled.At(2, 2), kUpDown[3]);
  EXPECT_EQ(disabled.At(right, 2), kUpDown[7]);
}

TEST_F(UpDownTest, EachClickStepsOnceAndReachesTheBuddy) {
  NewUpDown();
  ASSERT_EQ(BuddyText(), L"5");
  Notes().clear();
  CursorAt(10, 5);
  SendMessageW(upDown_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 5));
  SendMessageW(upDown_, WM_LBUTTONUP, 0, Point(10, 5));
  Pump();
  EXPECT_EQ(Count(WM_NOTIFY, UDN_DELTAPOS), 1);
  int positions = 0;
  for (const TNote& note : Notes()) positions += note.Msg == WM_VSCROLL && LOWORD(note.WParam) == SB_THUMBPOSITION;
  EXPECT_EQ(positions, 1);
  EXPECT_EQ(BuddyText(), L"6");
  EXPECT_EQ(SendMessageW(upDown_, UDM_GETPOS32, 0, 0), 6);

  CursorAt(10, 35);
  SendMessageW(upDown_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 35));
  SendMessageW(upDown_, WM_LBUTTONUP, 0, Point(10, 35));
  Pump();
  EXPECT_EQ(Count(WM_NOTIFY, UDN_DELTAPOS), 2);
  EXPECT_EQ(BuddyText(), L"5");
  SetCursorPos(1015, 760);
}

TEST_F(UpDownTest, PressEndsWhenTheMouseIsTakenAway) {
  skin::TSkinUpDown& upDown = NewUpDown();
  CursorAt(10, 30);
  SendMessageW(upDown_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 30));
  ASSERT_TRUE(upDown.MouseState & skin::msDown);
  SetCapture(GetParent(upDown_));  // released elsewhere: the up-down never sees it
  ReleaseCapture();
  Pump();
  EXPECT_FALSE(upDown.MouseState & skin::msDown);
  EXPECT_EQ(TShot(upDown_).At(2, 37), kUpDown[5]);
  SetCursorPos(1015, 760);
}

// The arrows of the drawn fallback, pixel by pixel, around the centre of
// each button (two pixels higher for up and down arrows).
TEST_F(UpDownTest, DrawnArrowsWithoutUpDownImages) {
  data_ = MakeEditSkin(true, false);
  NewUpDown();
  const int w = Width(), h = Height(), x = w / 2;
  ASSERT_EQ(h, 40);
  TShot shot(upDown_);
  // Frames in the dark shadow colour, faces in the face colour.
  EXPECT_EQ(shot.At(0, 0), kDkShadow);
  EXPECT_EQ(shot.At(w - 1, 19), kDkShadow);
  EXPECT_EQ(shot.At(0, 20), kDkShadow);
  EXPECT_EQ(shot.At(2, 3), kFace);
  EXPECT_EQ(shot.At(2, 36), kFace);
  // Up arrow around (x, 8): the tip, the strokes' starts and ends.
  for (POINT p : {POINT{x, 8}, POINT{x, 9}, POINT{x + 3, 11}, POINT{x - 3, 11}, POINT{x - 1, 9}})
    EXPECT_EQ(shot.At(p.x, p.y), kDkShadow) << p.x << "," << p.y;
  EXPECT_EQ(shot.At(x, 7), kFace);  // the first stroke's end point is not drawn
  EXPECT_EQ(shot.At(x + 4, 12), kFace);
  // Down arrow around (x, 28).
  for (POINT p : {POINT{x, 31}, POINT{x + 1, 30}, POINT{x + 3, 28}, POINT{x - 3, 28}})
    EXPECT_EQ(shot.At(p.x, p.y), kDkShadow) << p.x << "," << p.y;
  EXPECT_EQ(shot.At(x, 32), kFace);

  // Pressed: the down button's face in the shadow colour.
  CursorAt(2, 36);
  SendMessageW(upDown_, WM_LBUTTONDOWN, MK_LBUTTON, Point(2, 36));
  TShot pressed(upDown_);
  EXPECT_EQ(pressed.At(2, 36), kShadow);
  EXPECT_EQ(pressed.At(2, 3), kFace);
  SendMessageW(upDown_, WM_LBUTTONUP, 0, Point(2, 36));
  SetCursorPos(1015, 760);
}

TEST_F(UpDownTest, HorizontalArrowsDrawn) {
  data_ = MakeEditSkin(true, false);
  NewUpDown(true);
  const int half = Width() / 2, y = Height() / 2, left = half / 2, right = half + (Width() - half) / 2;
  TShot shot(upDown_);
  // Each arrow: its point, then the two ends of its back two pixels over.
  for (POINT p : {POINT{left, y}, POINT{left + 1, y - 2}, POINT{left + 1, y + 2}, POINT{right, y},
                  POINT{right - 1, y - 2}, POINT{right - 1, y + 2}})
    EXPECT_EQ(shot.At(p.x, p.y), kDkShadow) << p.x << "," << p.y;
  EXPECT_EQ(shot.At(left - 4, y), kFace);
}

TEST_F(UpDownTest, GlyphStripsThatCannotHoldEightFramesDrawNoGlyph) {
  // Narrower than eight frames: the buttons without glyphs. No glyph
  // image at all: the drawn look.
  data_ = MakeEditSkin(true, true, "thin.bmp");
  NewUpDown();
  TShot thin(upDown_);
  EXPECT_EQ(thin.At(Width() / 2, 10), kUpDown[1]);
  EXPECT_EQ(thin.Count(kUpDownGlyph[1]), 0);
  Unskin();
  data_ = MakeEditSkin(true, true, "");
  NewUpDown();
  EXPECT_EQ(TShot(upDown_).At(0, 0), kDkShadow);
}

}  // namespace

// Edits: the flat border, borderless edits, the spin button inside an edit;
// sizers: blank and quiet.
#include "EditTestSupport.h"
#include "skin/WinSubClass/SkinEdit.h"
#include "skin/WinSubClass/SkinSizer.h"
#include "skin/WinSubClass/SkinUpDown.h"

namespace {

using namespace edit_test;

// Every pixel of the ring `inset` pixels in from the edge of the shot.
std::vector<TColor> Ring(const TShot& shot, int inset) {
  std::vector<TColor> pixels;
  const int l = inset, t = inset, r = shot.Width() - 1 - inset, b = shot.Height() - 1 - inset;
  for (int x = l; x <= r; ++x) pixels.push_back(shot.At(x, t)), pixels.push_back(shot.At(x, b));
  for (int y = t; y <= b; ++y) pixels.push_back(shot.At(l, y)), pixels.push_back(shot.At(r, y));
  return pixels;
}

bool AllOf(const std::vector<TColor>& pixels, TColor colour) {
  return std::all_of(pixels.begin(), pixels.end(), [colour](TColor c) { return c == colour; });
}

bool SameShots(const TShot& a, const TShot& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

class EditPaintTest : public EditTest {};

TEST_F(EditPaintTest, SunkenBorderBecomesAFlatShadowLine) {
  const HWND parent = NewNoteWindow();
  const HWND edit = ChildEx(parent, L"EDIT", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL, RECT{10, 10, 150, 34});
  SetWindowTextW(edit, L"text");
  Skin(parent);
  ASSERT_NE(dynamic_cast<skin::TSkinEdit*>(CompanionOf(edit)), nullptr);
  PaintNow(edit);
  const TShot shot(edit);
  EXPECT_TRUE(AllOf(Ring(shot, 0), kShadow));
  // The system's inner rings are painted over with the DC's (white) brush.
  const TColor white = RGBColor(255, 255, 255);
  EXPECT_TRUE(AllOf(Ring(shot, 1), white));
  EXPECT_TRUE(AllOf(Ring(shot, 2), white));
  // The text stays.
  EXPECT_GT(shot.Count(RGBColor(0, 0, 0), RECT{3, 3, shot.Width() - 3, shot.Height() - 3}), 0);

  // A frame redraw alone (the system draws its 3D border then) ends flat too.
  RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  SendMessageW(edit, WM_NCPAINT, 1, 0);
  Pump();
  EXPECT_TRUE(AllOf(Ring(TShot(edit), 0), kShadow));
  EXPECT_TRUE(AllOf(Ring(TShot(edit), 1), white));
}

TEST_F(EditPaintTest, BorderlessEditIsLeftAlone) {
  const HWND parent = NewNoteWindow();
  const HWND edit = ChildEx(parent, L"EDIT", 0, ES_AUTOHSCROLL, RECT{10, 10, 150, 34});
  SetWindowTextW(edit, L"plain");
  PaintNow(edit);
  const TShot before(edit);
  Skin(parent);
  ASSERT_NE(CompanionOf(edit), nullptr);
  PaintNow(edit);
  EXPECT_TRUE(SameShots(before, TShot(edit)));
}

// A read-only edit shows the face colour inside its border, so the ring
// just inside the border tells whether it was painted over.
TEST_F(EditPaintTest, SpinEditKeepsTheRingItsButtonSitsOnAndSkinsTheButton) {
  const HWND parent = NewNoteWindow();
  const HWND plain = ChildEx(parent, L"EDIT", WS_EX_CLIENTEDGE, ES_READONLY, RECT{10, 10, 150, 34});
  const HWND spin = ChildEx(parent, L"EDIT", WS_EX_CLIENTEDGE, ES_READONLY | WS_CLIPCHILDREN, RECT{10, 50, 150, 74});
  const HWND button = ChildEx(spin, UPDOWN_CLASSW, 0, 0, RECT{120, 0, 136, 20});
  skin::TWinSkinForm& companion = Skin(parent);
  PaintNow(parent);
  auto* spinEdit = dynamic_cast<skin::TSkinEdit*>(CompanionOf(spin));
  ASSERT_NE(spinEdit, nullptr);
  ASSERT_NE(spinEdit->UpDown, nullptr);
  EXPECT_EQ(spinEdit->UpDown->Handle, button);
  EXPECT_TRUE(spinEdit->UpDown->InEdit);
  EXPECT_EQ(skin::FindControlByHandle(companion, button), spinEdit->UpDown);
  EXPECT_EQ(dynamic_cast<skin::TSkinEdit*>(CompanionOf(plain))->UpDown, nullptr);

  const TColor white = RGBColor(255, 255, 255);
  const TShot plainShot(plain), spinShot(spin);
  EXPECT_EQ(plainShot.At(2, 12), white);
  EXPECT_EQ(spinShot.At(0, 12), kShadow);
  EXPECT_EQ(spinShot.At(1, 12), white);
  EXPECT_NE(spinShot.At(2, 12), white);  // the edit's own face colour stays

  // The button is drawn one pixel in: the face colour around, frame 1 of
  // the up button inside.
  PaintNow(button);
  const TShot buttonShot(button);
  EXPECT_EQ(buttonShot.At(0, 5), kFace);
  EXPECT_EQ(buttonShot.At(5, 0), kFace);
  EXPECT_EQ(buttonShot.At(1, 1), kUpDown[1]);
  EXPECT_EQ(buttonShot.At(1, buttonShot.Height() - 3), kUpDown[5]);
}

TEST_F(EditPaintTest, SpinButtonGoesWithItsEdit) {
  const HWND parent = NewNoteWindow();
  const HWND spin = ChildEx(parent, L"EDIT", WS_EX_CLIENTEDGE, WS_CLIPCHILDREN, RECT{10, 50, 150, 74});
  const HWND button = ChildEx(spin, UPDOWN_CLASSW, 0, 0, RECT{120, 0, 136, 20});
  skin::TWinSkinForm& companion = Skin(parent);
  PaintNow(parent);
  ASSERT_EQ(companion.Controls.size(), 2u);
  // The edit goes first: its button's companion goes with it.
  DestroyWindow(spin);
  Pump();
  EXPECT_TRUE(companion.Controls.empty());
  (void)button;

  // Detaching the window companion puts every procedure back.
  const HWND again = ChildEx(parent, L"EDIT", WS_EX_CLIENTEDGE, WS_CLIPCHILDREN, RECT{10, 50, 150, 74});
  const HWND againButton = ChildEx(again, UPDOWN_CLASSW, 0, 0, RECT{120, 0, 136, 20});
  const auto againProc = GetWindowLongPtrW(again, GWLP_WNDPROC);
  const auto againButtonProc = GetWindowLongPtrW(againButton, GWLP_WNDPROC);
  companion.DiscoverControls();
  PaintNow(parent);
  ASSERT_EQ(companion.Controls.size(), 2u);
  EXPECT_NE(GetWindowLongPtrW(againButton, GWLP_WNDPROC), againButtonProc);
  Unskin();
  EXPECT_EQ(GetWindowLongPtrW(again, GWLP_WNDPROC), againProc);
  EXPECT_EQ(GetWindowLongPtrW(againButton, GWLP_WNDPROC), againButtonProc);
}

// --- Sizer -----------------------------------------------------------------------

// WM_PAINTs taken from the queue for a window while the hook is in place.
class TPaintCounter {
 public:
  explicit TPaintCounter(HWND wnd) {
    target_ = wnd;
    count_ = 0;
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, Hook, nullptr, GetCurrentThreadId());
  }
  ~TPaintCounter() { UnhookWindowsHookEx(hook_); }
  TPaintCounter(const TPaintCounter&) = delete;
  TPaintCounter& operator=(const TPaintCounter&) = delete;
  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->hwnd == target_ && message->message == WM_PAINT) ++count_;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HWND target_ = nullptr;
  static inline int count_ = 0;
  HHOOK hook_ = nullptr;
};

TEST_F(EditPaintTest, SizerPaintsNothingAndIsPaintedOnce) {
  const HWND parent = NewNoteWindow();
  const HWND grip = ChildEx(parent, L"SCROLLBAR", 0, SBS_SIZEGRIP, RECT{300, 200, 320, 220});
  const HWND box = ChildEx(parent, L"SCROLLBAR", 0, SBS_SIZEBOX, RECT{340, 10, 357, 27});
  PaintNow(parent);
  const TShot gripBefore(grip), boxBefore(box);
  Skin(parent);
  ASSERT_NE(dynamic_cast<skin::TSkinSizer*>(CompanionOf(grip)), nullptr);
  ASSERT_NE(dynamic_cast<skin::TSkinSizer*>(CompanionOf(box)), nullptr);
  for (HWND wnd : {grip, box}) {
    TPaintCounter paints(wnd);
    InvalidateRect(wnd, nullptr, TRUE);
    PumpFor(100);
    EXPECT_EQ(paints.Count(), 1);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(wnd, &update, FALSE));
  }
  // Erasing and painting were both swallowed: what was there stays.
  EXPECT_TRUE(SameShots(gripBefore, TShot(grip)));
  EXPECT_TRUE(SameShots(boxBefore, TShot(box)));
}

}  // namespace

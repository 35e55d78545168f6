// Companions come and go with their controls: detaching gives back window
// procedures and colours, a control that goes takes its companion along,
// and nothing is left behind after many rounds.
#include "ControlTestSupport.h"
#include "skin_form/HandleCounts.h"

namespace {

using namespace control_test;

using LifecycleTest = ControlTest;

TEST_F(LifecycleTest, DetachGivesBackProceduresAndColours) {
  const HWND wnd = NewBareWindow();
  const HWND button = Child(wnd, L"BUTTON", L"OK", BS_PUSHBUTTON, RECT{10, 10, 90, 35}, 1);
  const HWND box = Child(wnd, L"BUTTON", L"Box", BS_AUTOCHECKBOX, RECT{10, 40, 120, 60}, 2);
  const WNDPROC buttonProc = skin::CurrentWindowProc(button), boxProc = skin::CurrentWindowProc(box);
  Skin(wnd);
  EXPECT_NE(skin::CurrentWindowProc(button), buttonProc);
  EXPECT_NE(skin::CurrentWindowProc(box), boxProc);
  Unskin();
  EXPECT_EQ(skin::CurrentWindowProc(button), buttonProc);
  EXPECT_EQ(skin::CurrentWindowProc(box), boxProc);

  ui::TForm* form = NewForm();
  auto* check = Add<ui::TCheckBox>(form, RECT{10, 10, 120, 30});
  check->SetColor(ui::clRed);
  skin::TWinSkinForm& companion = Skin(form);
  EXPECT_EQ(check->Color(), kFace);
  EXPECT_TRUE(check->DoubleBuffered);
  Unskin();
  EXPECT_EQ(check->Color(), ui::clRed);
  EXPECT_FALSE(check->DoubleBuffered);
  // Its own mark again: no skin frame after a repaint.
  check->SetChecked(true);
  RedrawWindow(check->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(TShot(check->Handle()).Count(kCheckFrame[2]), 0);

  // A new skin's face colour reaches the controls that took the old one.
  skin::TWinSkinForm& reskinned = Skin(form);
  data_->ButtonFaceColour = RGBColor(1, 2, 3);
  reskinned.Reskin();
  EXPECT_EQ(check->Color(), RGBColor(1, 2, 3));
  Unskin();
  EXPECT_EQ(check->Color(), ui::clRed);

  // A window companion being torn down leaves the skin colour on.
  skin::TWinSkinForm& again = Skin(form);
  again.SkinState = skin::ssDestroying;
  again.Detach();
  EXPECT_EQ(check->Color(), RGBColor(1, 2, 3));
  (void)companion;
}

TEST_F(LifecycleTest, CompanionGoesWithItsControl) {
  const HWND wnd = NewBareWindow();
  const HWND button = Child(wnd, L"BUTTON", L"OK", BS_PUSHBUTTON, RECT{10, 10, 90, 35}, 1);
  skin::TWinSkinForm& bare = Skin(wnd);
  ASSERT_EQ(bare.Controls.size(), 1u);
  DestroyWindow(button);
  EXPECT_TRUE(bare.Controls.empty());
  Unskin();

  ui::TForm* form = NewForm();
  auto* pushButton = Add<ui::TButton>(form, RECT{10, 10, 90, 35});
  auto* speed = Add<ui::TSpeedButton>(form, RECT{100, 10, 125, 35});
  auto* check = Add<ui::TCheckBox>(form, RECT{10, 40, 120, 60});
  check->SetColor(ui::clRed);
  skin::TWinSkinForm& companion = Skin(form);
  ASSERT_EQ(companion.Controls.size(), 3u);
  delete pushButton;
  delete speed;
  EXPECT_EQ(companion.Controls.size(), 1u);

  // A window made anew: the old one's companion went with it and gave the
  // colour back; discovery skins the new window.
  const HWND old = check->Handle();
  check->DestroyHandle();
  EXPECT_TRUE(companion.Controls.empty());
  EXPECT_EQ(check->Color(), ui::clRed);
  EXPECT_EQ(skin::FindControlByHandle(companion, old), nullptr);
  check->HandleNeeded();
  companion.DiscoverControls();
  ASSERT_EQ(companion.Controls.size(), 1u);
  EXPECT_EQ(companion.Controls[0]->Handle, check->Handle());
}

// The control's own click handler switches skinning off: its companion is
// freed once the message in progress is done.
TEST_F(LifecycleTest, FreedInsideItsOwnMessage) {
  ui::TForm* form = NewForm();
  auto* button = Add<ui::TButton>(form, RECT{10, 10, 90, 35});
  int clicks = 0;
  button->OnClick = [&](ui::TObject*) {
    ++clicks;
    Unskin();
  };
  skin::TWinSkinForm& companion = Skin(form);
  ASSERT_EQ(companion.Controls.size(), 1u);
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0);  // the click comes from inside this message
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(companion_, nullptr);
  // The button is its plain self again and still clicks.
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(LifecycleTest, NoHandlesLeftAfterManyRounds) {
  ui::TForm* form = NewForm();
  Add<ui::TButton>(form, RECT{10, 10, 90, 35});
  auto* bitmap = Add<ui::TBitBtn>(form, RECT{100, 10, 200, 35});
  bitmap->Glyph().Glyph.SetSize(20, 10);
  bitmap->Glyph().NumGlyphs = 2;
  bitmap->SetCaption(L"Glyph");
  Add<ui::TSpeedButton>(form, RECT{210, 10, 240, 35})->SetCaption(L"S");
  // (With captions: Wine's own check-box painting loses a region whenever it
  // paints one without text into a clipped device context.)
  Add<ui::TCheckBox>(form, RECT{10, 40, 120, 60})->SetCaption(L"Check");
  Add<ui::TRadioButton>(form, RECT{10, 70, 120, 90})->SetCaption(L"Radio");
  const HWND wnd = NewBareWindow();
  Child(wnd, L"BUTTON", L"OK", BS_PUSHBUTTON, RECT{10, 10, 90, 35}, 1);
  Child(wnd, L"BUTTON", L"Box", BS_AUTOCHECKBOX, RECT{10, 40, 120, 60}, 2);
  const auto round = [&] {
    Skin(form);
    form->Invalidate();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Unskin();
    Skin(wnd);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Unskin();
  };
  for (int i = 0; i < 10; ++i) round();  // caches of the system fill once
  const DWORD gdi = handle_counts::GdiObjects(), user = handle_counts::UserObjects();
  ASSERT_GT(gdi, 0u);
  for (int i = 0; i < 100; ++i) round();
  EXPECT_LE(handle_counts::GdiObjects(), gdi + 5);
  EXPECT_LE(handle_counts::UserObjects(), user + 5);
}

// Skins with unusable button data: nothing is drawn where nothing can be,
// and nothing fails.
TEST_F(LifecycleTest, BadButtonDataPaintsWhatItCan) {
  const std::string cases[] = {
      "[Buttons]\n",                                                          // no images at all
      "[Buttons]\nBitmap=tiny.bmp\nCheckButton=tiny.bmp\nRadioButton=tiny.bmp\n",  // narrower than its frames
      "[Buttons]\nBitmap=button.bmp\nLeftWidth=100000\nTopHeight=-7\nRightWidth=2147483647\nBottomHeight=90\n"
      "CheckButton=check.bmp\nCheckButtonFrame=-3\nRadioButton=radio.bmp\nRadioButtonFrame=1000\nTrans=1\n",
  };
  for (const std::string& buttons : cases) {
    SCOPED_TRACE(buttons);
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    skin_test::TFiles files = ControlFiles();
    files.push_back({"tiny.bmp", SolidStrip(1, 2, kButtonFrame, 3)});
    skin_test::LoadDefinition(*data_, ControlDefinition(buttons), files);
    data_->SkinControls = ControlsOnly();
    const HWND wnd = NewBareWindow();
    const HWND button = Child(wnd, L"BUTTON", L"OK", BS_PUSHBUTTON, RECT{10, 10, 90, 35}, 1);
    Child(wnd, L"BUTTON", L"", BS_PUSHBUTTON, RECT{10, 40, 10, 40}, 2);  // no size at all
    const HWND box = Child(wnd, L"BUTTON", L"Box", BS_AUTO3STATE, RECT{10, 70, 120, 90}, 3);
    const HWND radio = Child(wnd, L"BUTTON", L"Radio", BS_AUTORADIOBUTTON | BS_LEFTTEXT, RECT{10, 100, 120, 120}, 4);
    ui::TForm* form = NewForm();
    auto* speed = Add<ui::TSpeedButton>(form, RECT{10, 10, 40, 40});
    speed->Glyph().Glyph.SetSize(3, 1);
    speed->Glyph().NumGlyphs = 4;
    auto* bitmap = Add<ui::TBitBtn>(form, RECT{50, 10, 150, 40});
    bitmap->Glyph().Glyph.SetSize(30, 10);
    bitmap->Glyph().Margin = 100000;
    bitmap->Glyph().Spacing = -100000;
    Skin(wnd);
    for (HWND child : {button, box, radio}) {
      SendMessageW(child, BM_SETCHECK, BST_CHECKED, 0);
      SendMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, 0);
      SendMessageW(child, WM_LBUTTONUP, 0, 0);
    }
    EnableWindow(radio, FALSE);
    Pump();
    Unskin();
    Skin(form);
    speed->Perform(ui::CM_MOUSEENTER);
    form->Invalidate();
    Pump();
    Unskin();
    delete form;
  }
}

}  // namespace

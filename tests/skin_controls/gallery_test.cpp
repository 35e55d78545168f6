// Every control of this kind on one form with our own skin, in every state a
// gallery page shows. TAVRIN_SHOW_MS=<ms> keeps the window on screen that
// long (for a look or a screenshot).
#include <cstdlib>

#include "ControlTestSupport.h"
#include "support/OurSkin.h"
#include "ui/Panel.h"
#include "ui/ToolBar.h"

namespace {

using namespace control_test;

// A 16 x 16 glyph of `count` images: a filled square in each image's
// colour on the key colour (the bottom-left pixel, so transparent).
void DiamondGlyph(ui::TGlyphSettings& glyph, int count) {
  const TColor colours[] = {RGBColor(179, 38, 46), RGBColor(160, 154, 146), RGBColor(32, 32, 34)};
  glyph.Glyph.SetSize(16 * count, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16 * count; ++x) {
      const int dx = x % 16 - 8, dy = y - 8;
      glyph.Glyph.SetPixel(x, y, std::abs(dx) + std::abs(dy) < 7 ? colours[x / 16] : kKey);
    }
  glyph.NumGlyphs = count;
}

class GalleryTest : public ControlTest {
 protected:
  template <class T>
  T* Add(ui::TWinControl* parent, RECT r, const wchar_t* caption = L"") {
    auto* control = new T(form_);
    control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    control->SetCaption(caption);
    control->SetParent(parent);
    return control;
  }

  ui::TForm* form_ = nullptr;
};

TEST_F(GalleryTest, EveryButtonKindWithOurSkin) {
  data_ = test_support::OurSkin();
  ASSERT_FALSE(data_->Empty);
  form_ = NewForm();
  form_->SetBounds(60, 40, 640, 440);
  form_->SetCaption(L"Buttons");

  auto* bar = Add<ui::TToolBar>(form_, RECT{0, 0, 640, 30});
  for (int i = 0; i < 3; ++i) {
    auto* tool = Add<ui::TSpeedButton>(bar, RECT{4 + 26 * i, 3, 28 + 26 * i, 27});
    DiamondGlyph(tool->Glyph(), 3);
    tool->SetGroupIndex(1);
    if (i == 1) tool->SetDown(true);
  }
  auto* normal = Add<ui::TButton>(form_, RECT{16, 44, 116, 68}, L"Normal");
  auto* off = Add<ui::TButton>(form_, RECT{124, 44, 224, 68}, L"Disabled");
  off->SetEnabled(false);
  Add<ui::TButton>(form_, RECT{232, 44, 332, 68}, L"Default")->SetDefault(true);
  auto* focused = Add<ui::TButton>(form_, RECT{340, 44, 440, 68}, L"Focused");

  const ui::TButtonLayout layouts[] = {ui::blGlyphLeft, ui::blGlyphRight, ui::blGlyphTop, ui::blGlyphBottom};
  const wchar_t* names[] = {L"Left", L"Right", L"Top", L"Bottom"};
  for (int i = 0; i < 4; ++i) {
    auto* glyphButton = Add<ui::TBitBtn>(form_, RECT{16 + 108 * i, 80, 116 + 108 * i, 130}, names[i]);
    DiamondGlyph(glyphButton->Glyph(), 3);
    glyphButton->Glyph().Layout = layouts[i];
  }
  auto* speedGroup = Add<ui::TPanel>(form_, RECT{450, 80, 620, 130});
  for (int i = 0; i < 3; ++i) {
    auto* speed = Add<ui::TSpeedButton>(speedGroup, RECT{8 + 52 * i, 12, 56 + 52 * i, 38}, i == 0 ? L"One" : i == 1 ? L"Two" : L"Three");
    speed->SetGroupIndex(2);
    if (i == 0) speed->SetDown(true);
  }

  auto* checks = Add<ui::TGroupBox>(form_, RECT{16, 144, 300, 290}, L"Check boxes");
  Add<ui::TCheckBox>(checks, RECT{12, 22, 270, 42}, L"Unchecked");
  Add<ui::TCheckBox>(checks, RECT{12, 46, 270, 66}, L"Checked")->SetChecked(true);
  auto* grayed = Add<ui::TCheckBox>(checks, RECT{12, 70, 270, 90}, L"Three states: grayed");
  grayed->AllowGrayed = true;
  grayed->SetState(ui::cbGrayed);
  auto* disabled = Add<ui::TCheckBox>(checks, RECT{12, 94, 270, 114}, L"Disabled, checked");
  disabled->SetChecked(true);
  disabled->SetEnabled(false);
  Add<ui::TCheckBox>(checks, RECT{12, 118, 270, 138}, L"Mark on the right")->SetAlignment(ui::taLeftJustify);

  auto* radios = Add<ui::TGroupBox>(form_, RECT{316, 144, 620, 290}, L"Radio buttons");
  Add<ui::TRadioButton>(radios, RECT{12, 22, 280, 42}, L"Checked")->SetChecked(true);
  Add<ui::TRadioButton>(radios, RECT{12, 46, 280, 66}, L"Unchecked");
  Add<ui::TRadioButton>(radios, RECT{12, 70, 280, 90}, L"Disabled")->SetEnabled(false);
  Add<ui::TRadioButton>(radios, RECT{12, 94, 280, 114}, L"Mark on the right")->SetAlignment(ui::taLeftJustify);

  auto* group = Add<ui::TRadioGroup>(form_, RECT{16, 300, 620, 380}, L"Radio group");
  group->SetColumns(3);
  group->SetItems({L"First", L"Second", L"Third"});
  group->SetItemIndex(1);

  focused->SetFocus();
  skin::TWinSkinForm& companion = Skin(form_);
  // 6 tool and speed buttons, 4 push buttons, 4 bitmap buttons, 5 check
  // boxes, 4 radio buttons and the group's 3, and 4 boxes (the panel, the
  // two group boxes and the radio group).
  EXPECT_EQ(companion.Controls.size(), 30u);
  RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (const char* ms = std::getenv("TAVRIN_SHOW_MS")) PumpFor(DWORD(std::atoi(ms)));
  // Our skin's frames differ: normal, disabled and focused faces.
  const TColor normalFace = TShot(normal->Handle()).At(50, 12);
  EXPECT_NE(normalFace, TShot(off->Handle()).At(50, 12));
  if (GetFocus() == focused->Handle()) {
    EXPECT_NE(normalFace, TShot(focused->Handle()).At(50, 12));
  }
}

}  // namespace

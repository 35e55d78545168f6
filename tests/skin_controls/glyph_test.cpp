// Glyph buttons: where glyph and caption go for each layout, margin and
// spacing; bitmap buttons and speed buttons painted from the skin.
#include "ControlTestSupport.h"
#include "ui/ButtonLayout.h"

namespace {

using namespace control_test;

constexpr TColor kGlyph1 = RGBColor(0, 250, 0);
constexpr TColor kGlyph2 = RGBColor(0, 0, 250);
constexpr TColor kGlyph3 = RGBColor(250, 128, 0);
constexpr int kGlyphSize = 10;

// `count` solid 10 x 10 images side by side; the bottom-left pixel of each
// is the key colour, which drawing leaves out.
void MakeGlyph(ui::TGlyphSettings& settings, int count) {
  const TColor colours[] = {kGlyph1, kGlyph2, kGlyph3};
  settings.Glyph.SetSize(kGlyphSize * count, kGlyphSize);
  for (int y = 0; y < kGlyphSize; ++y)
    for (int x = 0; x < kGlyphSize * count; ++x)
      settings.Glyph.SetPixel(x, y, x % kGlyphSize == 0 && y == kGlyphSize - 1 ? kKey : colours[x / kGlyphSize]);
  settings.NumGlyphs = count;
}

struct TLayoutCase {
  ui::TButtonLayout Layout;
  int Margin, Spacing, Extra;
  POINT Glyph;
  RECT Text;
  UINT Format;
};

TEST(GlyphLayout, PlacesGlyphAndCaptionAlongTheLayout) {
  // A 100 x 30 face, a 16 x 16 glyph, a 40 x 14 caption.
  const TLayoutCase cases[] = {
      {ui::blGlyphLeft, 4, 4, 0, {4, 7}, {24, 8, 64, 22}, DT_LEFT},
      {ui::blGlyphRight, 4, 4, 0, {80, 7}, {36, 8, 76, 22}, DT_RIGHT},  // the caption ends spacing before the glyph
      {ui::blGlyphLeft, -1, -1, 0, {14, 7}, {44, 8, 84, 22}, DT_LEFT},  // thirds: 14, 14 and the 16 left
      {ui::blGlyphLeft, -1, 4, 0, {20, 7}, {40, 8, 80, 22}, DT_LEFT},   // centred together
      {ui::blGlyphLeft, -1, 4, 1, {21, 7}, {41, 8, 81, 22}, DT_LEFT},   // speed buttons: one further in
      {ui::blGlyphLeft, 5, -1, 0, {5, 7}, {40, 8, 80, 22}, DT_LEFT},    // caption midway in what is left
  };
  for (const TLayoutCase& c : cases) {
    const auto place = ui::PlaceGlyphAndText(SIZE{100, 30}, SIZE{16, 16}, SIZE{40, 14}, c.Layout, c.Margin,
                                             c.Spacing, c.Extra);
    EXPECT_EQ(place.Glyph.x, c.Glyph.x) << c.Layout << " " << c.Margin << " " << c.Spacing;
    EXPECT_EQ(place.Glyph.y, c.Glyph.y);
    EXPECT_TRUE(EqualRect(&place.Text, &c.Text)) << place.Text.left << "," << place.Text.top;
    EXPECT_EQ(place.Format, c.Format);
  }
  // Above and below: centred across, margin and spacing down the face.
  const auto top = ui::PlaceGlyphAndText(SIZE{60, 60}, SIZE{16, 16}, SIZE{40, 14}, ui::blGlyphTop, 4, 2);
  EXPECT_EQ(top.Glyph.x, 22);
  EXPECT_EQ(top.Glyph.y, 4);
  EXPECT_EQ(top.Text.top, 22);
  EXPECT_EQ(top.Format, UINT(DT_CENTER));
  const auto bottom = ui::PlaceGlyphAndText(SIZE{60, 60}, SIZE{16, 16}, SIZE{40, 14}, ui::blGlyphBottom, 4, 2);
  EXPECT_EQ(bottom.Glyph.y, 40);
  EXPECT_EQ(bottom.Text.top, 24);
  // Without a caption the spacing counts for nothing.
  const auto alone = ui::PlaceGlyphAndText(SIZE{100, 30}, SIZE{16, 16}, SIZE{0, 0}, ui::blGlyphLeft, -1, 10);
  EXPECT_EQ(alone.Glyph.x, 42);
}

class GlyphButtonTest : public ControlTest {};

TEST_F(GlyphButtonTest, BitmapButtonGlyphInEveryLayout) {
  ui::TForm* form = NewForm();
  auto* button = new ui::TBitBtn(form);
  button->SetBounds(20, 20, 120, 40);
  button->SetParent(form);
  MakeGlyph(button->Glyph(), 2);
  button->Glyph().Margin = 3;
  Skin(form);
  const HWND wnd = button->Handle();
  ASSERT_NE(CompanionOf(wnd), nullptr);

  const auto glyphAt = [&](ui::TButtonLayout layout) {
    button->Glyph().Layout = layout;
    button->Invalidate();
    Pump();
    return TShot(wnd).BoundsOf(kGlyph1);
  };
  EXPECT_EQ(glyphAt(ui::blGlyphLeft).left, 3);
  EXPECT_EQ(glyphAt(ui::blGlyphLeft).top, 15);
  EXPECT_EQ(glyphAt(ui::blGlyphRight).left, 120 - 3 - kGlyphSize);
  EXPECT_EQ(glyphAt(ui::blGlyphTop).top, 3);
  EXPECT_EQ(glyphAt(ui::blGlyphTop).left, 55);
  EXPECT_EQ(glyphAt(ui::blGlyphBottom).top, 40 - 3 - kGlyphSize);
  EXPECT_EQ(ButtonFrameShown(wnd), 1);
  EXPECT_EQ(TShot(wnd).Count(kGlyph2), 0);  // image 1 only, whatever the state

  // Margin and spacing -1: the free width in three equal parts.
  button->SetCaption(L"A wide caption");
  button->Glyph().Margin = -1;
  button->Glyph().Spacing = -1;
  RECT text{0, 0, 120, 40};
  {
    ui::WindowDC dc(wnd);
    ui::SelectGuard font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(wnd, WM_GETFONT, 0, 0)));
    DrawTextW(dc.Get(), L"A wide caption", -1, &text, DT_CALCRECT);
  }
  EXPECT_EQ(glyphAt(ui::blGlyphLeft).left, (120 - (kGlyphSize + text.right)) / 3);
}

TEST_F(GlyphButtonTest, SpeedButtonDownShowsThePressedFrameAndThirdImage) {
  ui::TForm* form = NewForm();
  auto* speed = new ui::TSpeedButton(form);
  speed->SetBounds(20, 80, 60, 30);
  speed->SetParent(form);
  speed->SetGroupIndex(1);
  speed->SetAllowAllUp(true);
  MakeGlyph(speed->Glyph(), 3);
  int clicks = 0;
  speed->OnClick = [&](ui::TObject*) { ++clicks; };
  TCommandRecorder commands(form);
  skin::TWinSkinForm& companion = Skin(form);
  ASSERT_EQ(companion.Controls.size(), 1u);
  EXPECT_EQ(companion.Controls[0]->ClassName(), "TSkinSpeedButton");

  const RECT area{20, 80, 80, 110};
  const auto shot = [&] {
    form->Invalidate();
    Pump();
    return TShot(form->Handle(), false);
  };
  auto seen = shot();
  EXPECT_EQ(seen.At(22, 82), kButtonFrame[1]);
  EXPECT_GT(seen.Count(kGlyph1, area), 0);

  speed->SetDown(true);
  seen = shot();
  EXPECT_EQ(seen.At(22, 82), kButtonFrame[2]);
  EXPECT_GT(seen.Count(kGlyph3, area), 0);
  EXPECT_EQ(seen.Count(kGlyph1, area), 0);

  speed->Perform(ui::CM_MOUSEENTER);  // hot, but down wins
  EXPECT_EQ(TShot(form->Handle(), false).At(22, 82), kButtonFrame[2]);

  // A click raises it (AllowAllUp) and clicks it once; the speed button
  // clicks itself, so no WM_COMMAND is posted.
  PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 95));
  PostMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 95));
  PumpFor(50);
  EXPECT_FALSE(speed->Down());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(commands.WParams.empty());
  speed->Perform(ui::CM_MOUSEENTER);
  EXPECT_EQ(TShot(form->Handle(), false).At(22, 82), kButtonFrame[4]);
  speed->Perform(ui::CM_MOUSELEAVE);
  EXPECT_EQ(TShot(form->Handle(), false).At(22, 82), kButtonFrame[1]);

  // Disabled: frame 3, the disabled image; down even when disabled.
  speed->SetEnabled(false);
  seen = shot();
  EXPECT_EQ(seen.At(22, 82), kButtonFrame[3]);
  EXPECT_GT(seen.Count(kGlyph2, area), 0);
  speed->SetDown(true);
  EXPECT_EQ(shot().At(22, 82), kButtonFrame[2]);
}

}  // namespace

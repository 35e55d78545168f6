// Status bars: each panel framed by its bevel (skin frames 1 lowered,
// 2 raised, 3 none, or plain 3D edges without the image), texts in the
// skin's panel colour, simple mode as one lowered panel.
#include "BarsTestSupport.h"
#include "skin/WinSubClass/SkinStatusBar.h"

namespace {

using namespace bars_test;

TEST(PanelText, LeadingTabsAlign) {
  UINT align = 99;
  std::wstring shown;
  skin::SplitPanelText(L"left", align, shown);
  EXPECT_EQ(align, UINT(DT_LEFT));
  EXPECT_EQ(shown, L"left");
  skin::SplitPanelText(L"\tmid", align, shown);
  EXPECT_EQ(align, UINT(DT_CENTER));
  EXPECT_EQ(shown, L"mid");
  skin::SplitPanelText(L"\t\t\tright", align, shown);
  EXPECT_EQ(align, UINT(DT_RIGHT));
  EXPECT_EQ(shown, L"\tright");
}

class StatusBarTest : public BarsTest {
 protected:
  ui::TStatusBar* NewBar(bool simple = false) {
    form_ = NewForm();
    auto* bar = Add<ui::TStatusBar>(form_, RECT{0, 0, 400, 24});
    bar->SetPanels({{L"WWW", 100, ui::taLeftJustify, ui::pbLowered},
                    {L"WWW", 100, ui::taCenter, ui::pbRaised},
                    {L"WWW", 100, ui::taRightJustify, ui::pbNone},
                    {L"", 50, ui::taLeftJustify, ui::pbLowered}});
    bar->SetSimpleText(L"WWWW");
    bar->SetSimplePanel(simple);
    SendMessageW(bar->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(SharpFont()), FALSE);
    return bar;
  }
  static RECT PanelRect(ui::TStatusBar* bar, int i) {
    RECT r{};
    SendMessageW(bar->Handle(), SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  ui::TForm* form_ = nullptr;
};

TEST_F(StatusBarTest, PanelsByBevelWithTheirTexts) {
  ui::TStatusBar* bar = NewBar();
  ASSERT_TRUE(bar->SizeGrip());
  Skin(form_);
  EXPECT_EQ(KindOf(bar), "TSkinStatusBar");
  EXPECT_FALSE(bar->SizeGrip());  // switched off by discovery
  EXPECT_FALSE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  RepaintNow(bar->Handle());
  const TShot shot(bar->Handle());
  const skin::TPanelBevel expected[4] = {skin::pnLowered, skin::pnRaised, skin::pnNone, skin::pnLowered};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const RECT r = PanelRect(bar, i);
    EXPECT_EQ(shot.At(r.left, r.top), kEdge[expected[i]]);
    EXPECT_EQ(shot.At(r.right - 1, r.bottom - 1), kEdge[expected[i]]);
    // Texts in the panel colour; the empty panel is framed all the same.
    EXPECT_EQ(shot.Count(kPanelText, r) > 0, i < 3);
  }
  // Aligned as the panels ask: left, centred, right.
  const auto textBounds = [&](int i) {
    const RECT r = PanelRect(bar, i);
    RECT b{r.right, 0, r.left, 0};
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (shot.At(x, y) == kPanelText) b.left = std::min<LONG>(b.left, x), b.right = std::max<LONG>(b.right, x + 1);
    return std::make_pair(b.left - r.left, r.right - b.right);
  };
  EXPECT_LT(textBounds(0).first, 6);
  EXPECT_NEAR(textBounds(1).first, textBounds(1).second, 3);
  EXPECT_LT(textBounds(2).second, 6);
}

TEST_F(StatusBarTest, SimpleModeIsOneLoweredPanel) {
  ui::TStatusBar* bar = NewBar(true);
  Skin(form_);
  RepaintNow(bar->Handle());
  const TShot shot(bar->Handle());
  EXPECT_EQ(shot.At(0, 0), kEdge[1]);
  EXPECT_EQ(shot.At(shot.Width() - 1, shot.Height() - 1), kEdge[1]);
  EXPECT_EQ(shot.Count(kEdge[2]), 0);
  EXPECT_GT(shot.Count(kPanelText), 0);
  EXPECT_LT(shot.BoundsOf(kPanelText).left, 8);  // left-aligned

  // Back to panels at once.
  bar->SetSimplePanel(false);
  Pump();
  EXPECT_GT(TShot(bar->Handle()).Count(kEdge[2]), 0);
}

TEST_F(StatusBarTest, PlainEdgesWithoutTheImage) {
  UseSkin(Without(false, true, false));
  ui::TStatusBar* bar = NewBar();
  Skin(form_);
  RepaintNow(bar->Handle());
  const TShot shot(bar->Handle());
  const TColor shadow = TColor(GetSysColor(COLOR_BTNSHADOW));
  const TColor light = TColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  const RECT lowered = PanelRect(bar, 0), raised = PanelRect(bar, 1), plain = PanelRect(bar, 2);
  EXPECT_EQ(shot.At(lowered.left, lowered.top + 3), shadow);  // shadow top left
  EXPECT_EQ(shot.At(lowered.left + 3, lowered.top), shadow);
  EXPECT_EQ(shot.At(lowered.right - 1, lowered.bottom - 3), light);  // highlight bottom right
  EXPECT_EQ(shot.At(lowered.left + 3, lowered.bottom - 1), light);
  EXPECT_EQ(shot.At(raised.left, raised.top + 3), light);
  EXPECT_EQ(shot.At(raised.right - 1, raised.bottom - 3), shadow);
  EXPECT_EQ(shot.At(plain.left, plain.top + 3), kFace);  // no frame
  EXPECT_EQ(shot.At(lowered.left + 2, lowered.top + 2), kFace);  // on the skin's face
  const RECT empty = PanelRect(bar, 3);
  EXPECT_EQ(shot.At(empty.left, empty.top + 3), shadow);
}

TEST_F(StatusBarTest, DetachGivesTheBarBackToTheSystem) {
  ui::TStatusBar* bar = NewBar();
  Skin(form_);
  RepaintNow(bar->Handle());
  EXPECT_GT(TShot(bar->Handle()).Count(kEdge[1]), 0);
  Unskin();
  RepaintNow(bar->Handle());
  const TShot shot(bar->Handle());
  EXPECT_EQ(shot.Count(kEdge[1]) + shot.Count(kEdge[2]) + shot.Count(kEdge[3]) + shot.Count(kFace), 0);
}

}  // namespace

// Progress bars: frame 1 is the empty bar, frame 2 the filled part, in
// proportion to the position, never outside the bar.
#include "BarsTestSupport.h"
#include "skin/WinSubClass/SkinProgress.h"

namespace {

using namespace bars_test;

TEST(ProgressFill, ProportionalAndAlwaysInsideTheBar) {
  const RECT bar{0, 0, 200, 10};
  const auto width = [&](int min, int max, int position) {
    return RectWidth(skin::ProgressFillRect(bar, min, max, position, false));
  };
  EXPECT_EQ(width(0, 100, 100), 200);
  EXPECT_EQ(width(0, 100, 50), 100);
  EXPECT_EQ(width(0, 100, 0), 0);
  EXPECT_EQ(width(0, 0, 0), 0);     // no range: nothing filled, no division by 0
  EXPECT_EQ(width(0, 100, 250), 200);  // out of range: the nearest end
  EXPECT_EQ(width(0, 100, -30), 0);
  EXPECT_EQ(width(50, 100, 75), 100);  // from Min
  EXPECT_EQ(width(100, 50, 75), 0);    // inverted range
  EXPECT_EQ(width(0, 2147483647, 2147483647), 200);  // no overflow on a wide range
  EXPECT_EQ(width(-2147483647 - 1, 2147483647, 0), 100);
  const RECT fill = skin::ProgressFillRect(RECT{5, 5, 25, 105}, 0, 4, 1, true);
  EXPECT_EQ(fill.bottom, 105);  // a vertical bar fills from the bottom
  EXPECT_EQ(fill.top, 80);
  EXPECT_EQ(fill.left, 5);
  EXPECT_EQ(fill.right, 25);
}

constexpr RECT kWhole{0, 0, 200, 20};

class ProgressTest : public BarsTest {
 protected:
  ui::TProgressBar* NewBar(int max, int position) {
    if (!form_) form_ = NewForm();
    auto* bar = Add<ui::TProgressBar>(form_, RECT{10, 10 + 30 * count_, 210, 30 + 30 * count_});
    ++count_;
    bar->SetMax(max);
    bar->SetPosition(position);
    return bar;
  }
  // Pixels of the empty and of the filled frame.
  static std::pair<int, int> Shown(ui::TProgressBar* bar) {
    const TShot shot(bar->Handle());
    return {shot.Count(kProgress[1]), shot.Count(kProgress[2])};
  }

  ui::TForm* form_ = nullptr;
  int count_ = 0;
};

TEST_F(ProgressTest, FillFollowsThePosition) {
  ui::TProgressBar* full = NewBar(100, 100);
  ui::TProgressBar* half = NewBar(100, 50);
  ui::TProgressBar* none = NewBar(0, 0);
  Skin(form_);
  EXPECT_EQ(KindOf(full), "TSkinProgress");
  Pump();
  const int area = 200 * 20;
  EXPECT_EQ(Shown(full), std::make_pair(0, area));
  EXPECT_EQ(Shown(half), std::make_pair(area / 2, area / 2));
  EXPECT_EQ(TShot(half->Handle()).BoundsOf(kProgress[2]).right, 100);  // from the left
  EXPECT_EQ(Shown(none), std::make_pair(area, 0));

  // A new position shows with the next paint, and so does a new range.
  half->SetPosition(25);
  Pump();
  EXPECT_EQ(Shown(half), std::make_pair(area * 3 / 4, area / 4));
  SendMessageW(half->Handle(), PBM_DELTAPOS, 50, 0);
  Pump();
  EXPECT_EQ(Shown(half), std::make_pair(area / 4, area * 3 / 4));
  full->SetMax(400);
  Pump();
  EXPECT_EQ(Shown(full), std::make_pair(area * 3 / 4, area / 4));
}

TEST_F(ProgressTest, BadDataStaysInsideAndNoImageLeavesTheSystemBar) {
  TBarsSkin odd;
  odd.ProgressExtra = "LeftWidth=5000\nRightWidth=-20\nTopHeight=99999\nTile=1\n";
  UseSkin(odd);
  ui::TProgressBar* bar = NewBar(100, 60);
  Skin(form_);
  Pump();
  const TShot shot(bar->Handle());
  // Margins wider than the image: cut to what the frame has; the filled
  // part stays inside its share of the bar.
  EXPECT_GT(shot.Count(kProgress[2]), 0);
  EXPECT_LE(shot.BoundsOf(kProgress[2]).right, 120);
  Unskin();
  RepaintNow(bar->Handle());
  EXPECT_EQ(TShot(bar->Handle()).Count(kProgress[2]), 0);  // the system's bar again

  // No Progress image: the system paints the bar (not left blank).
  UseSkin(Without(true, false, false));
  Skin(form_);
  FillRect(ui::WindowDC(bar->Handle(), true).Get(), &kWhole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  RepaintNow(bar->Handle());
  EXPECT_LT(TShot(bar->Handle()).Count(RGBColor(0, 0, 0)), 200 * 20 / 2);
}

}  // namespace

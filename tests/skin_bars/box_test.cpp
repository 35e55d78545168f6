// Boxes and discovery: containers take the face colour, group-box captions
// the skin's text colour, and both come back on detach; the gates of the
// bars' discovery rows.
#include "BarsTestSupport.h"
#include "skin/WinSubClass/SkinBox.h"
#include "skin_form/HandleCounts.h"
#include "ui/Panel.h"
#include "ui/StdCtrls.h"

namespace {

using namespace bars_test;

constexpr TColor kYellow = RGBColor(255, 255, 0);

// Caption pixels close to ButtonText (1, 2, 3): the text is smoothed into
// the face colour (10, 20, 30), so few pixels have the exact colour.
int CaptionInkNearText(const TShot& shot) {
  int n = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < shot.Width(); ++x) {
      const TColor c = shot.At(x, y);
      n += (c & 0xFF) <= 5 && ((c >> 8) & 0xFF) <= 11 && ((c >> 16) & 0xFF) <= 16;  // nearer the text
    }
  return n;
}

class BoxTest : public BarsTest {
 protected:
  void SetUp() override {
    BarsTest::SetUp();
    form_ = NewForm();
  }
  ui::TForm* form_ = nullptr;
};

TEST_F(BoxTest, GroupBoxCaptionAndFaceColours) {
  auto* group = Add<ui::TGroupBox>(form_, RECT{10, 10, 200, 100});
  group->SetCaption(L"WWWWWW");
  group->Font().SetColor(ui::clRed);
  auto* panel = Add<ui::TPanel>(form_, RECT{210, 10, 400, 100});
  panel->Font().SetColor(ui::clRed);
  panel->SetColor(kYellow);
  Skin(form_);
  EXPECT_EQ(KindOf(group), "TSkinBox");
  EXPECT_EQ(KindOf(panel), "TSkinBox");
  EXPECT_EQ(group->Color(), kFace);
  EXPECT_EQ(group->Font().Color(), kBoxText);
  EXPECT_EQ(panel->Color(), kFace);
  EXPECT_EQ(panel->Font().Color(), ui::clRed);  // a panel's caption keeps its colour
  RepaintNow(group->Handle());
  RepaintNow(panel->Handle());
  const TShot shot(group->Handle());
  EXPECT_GT(CaptionInkNearText(shot), 10);  // the caption
  EXPECT_EQ(shot.At(shot.Width() / 2, shot.Height() / 2), kFace);   // the inside
  EXPECT_EQ(TShot(panel->Handle()).At(20, 20), kFace);

  Unskin();
  EXPECT_EQ(group->Font().Color(), ui::clRed);
  EXPECT_EQ(group->Color(), ui::clBtnFace);
  EXPECT_EQ(panel->Color(), kYellow);
  RepaintNow(group->Handle());
  EXPECT_EQ(CaptionInkNearText(TShot(group->Handle())), 0);
}

TEST_F(BoxTest, RadioGroupIsABoxWithSkinnedButtons) {
  auto* radios = Add<ui::TRadioGroup>(form_, RECT{10, 10, 200, 120});
  radios->SetItems({L"one", L"two"});
  Skin(form_);
  EXPECT_EQ(KindOf(radios), "TSkinBox");
  EXPECT_EQ(KindOf(radios->Buttons(0)), "TSkinRadioButton");
  EXPECT_EQ(KindOf(radios->Buttons(1)), "TSkinRadioButton");
  EXPECT_EQ(radios->Font().Color(), kBoxText);
  EXPECT_EQ(radios->Buttons(0)->Color(), kFace);
}

TEST_F(BoxTest, DiscoveryGates) {
  auto* progress = Add<ui::TProgressBar>(form_, RECT{10, 10, 200, 30});
  auto* status = Add<ui::TStatusBar>(form_, RECT{0, 0, 400, 22});
  auto* track = Add<ui::TTrackBar>(form_, RECT{10, 40, 200, 80});
  auto* group = Add<ui::TGroupBox>(form_, RECT{10, 90, 200, 180});
  auto* inGroup = Add<ui::TProgressBar>(group, RECT{10, 20, 150, 40});
  auto* radios = Add<ui::TRadioGroup>(form_, RECT{210, 90, 400, 180});
  radios->SetItems({L"one", L"two"});
  const auto kinds = [&] {
    return std::vector<std::string>{KindOf(progress), KindOf(status), KindOf(track), KindOf(group),
                                    KindOf(inGroup), KindOf(radios), KindOf(radios->Buttons(0))};
  };
  Skin(form_);
  EXPECT_EQ(kinds(), (std::vector<std::string>{"TSkinProgress", "TSkinStatusBar", "TSkinTrackBar", "TSkinBox",
                                               "TSkinProgress", "TSkinBox", "TSkinRadioButton"}));
  Unskin();

  for (skin::TSkinControlType gate : {skin::xcProgress, skin::xcStatusBar, skin::xcCheckBox, skin::xcPanel,
                                      skin::xcRadioButton})
    data_->SkinControls.Exclude(gate);
  Skin(form_);
  // Without xcPanel the group box is neither skinned nor searched.
  EXPECT_EQ(kinds(), std::vector<std::string>(7, ""));
  Unskin();

  // Without xcRadioButton a radio group is still a group box (with xcPanel),
  // but its buttons stay plain.
  data_->SkinControls.Include(skin::xcPanel);
  Skin(form_);
  EXPECT_EQ(KindOf(radios), "TSkinBox");
  EXPECT_EQ(KindOf(radios->Buttons(0)), "");
  EXPECT_EQ(KindOf(inGroup), "");  // searched, but xcProgress is off
}

TEST_F(BoxTest, AttachDetachRoundsLeaveEverythingAsItWas) {
  auto* group = Add<ui::TGroupBox>(form_, RECT{10, 10, 200, 100});
  auto* progress = Add<ui::TProgressBar>(group, RECT{10, 20, 150, 40});
  auto* status = Add<ui::TStatusBar>(form_, RECT{0, 0, 400, 22});
  auto* track = Add<ui::TTrackBar>(form_, RECT{10, 110, 200, 150});
  (void)progress;
  (void)status;
  (void)track;
  const TColor font = group->Font().Color();
  // One round first: fonts and brushes that stay cached are made there.
  Skin(form_);
  Unskin();
  const DWORD gdi = handle_counts::GdiObjects();
  for (int i = 0; i < 5; ++i) {
    Skin(form_);
    for (HWND wnd : {group->Handle(), progress->Handle(), status->Handle(), track->Handle()}) RepaintNow(wnd);
    Unskin();
  }
  EXPECT_EQ(group->Font().Color(), font);
  EXPECT_LE(handle_counts::GdiObjects(), gdi + 2);
}

}  // namespace

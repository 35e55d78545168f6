// The gallery's page of bars and boxes: every bar and box gets its companion
// from our skin, and the track bar drives its progress bar.
#include <map>
#include <string>

#include "GalleryTestSupport.h"
#include "gallery/BarsPage.h"
#include "skin/WinSkinForm/ControlDiscovery.h"
#include "skin/WinSubClass/SkinControl.h"
#include "ui/Panel.h"
#include "ui/StdCtrls.h"

namespace {

using namespace gallery_test;

// The companion class expected on a control of the page ("" for none).
std::string ExpectedKind(ui::TComponent* component) {
  if (dynamic_cast<ui::TProgressBar*>(component)) return "TSkinProgress";
  if (dynamic_cast<ui::TTrackBar*>(component)) return "TSkinTrackBar";
  if (dynamic_cast<ui::TStatusBar*>(component)) return "TSkinStatusBar";
  if (dynamic_cast<ui::TGroupBox*>(component) || dynamic_cast<ui::TPanel*>(component)) return "TSkinBox";
  return "";
}

TEST_F(GalleryTest, BarsPageSkinsEveryBarAndBox) {
  Run("bars");
  auto* page = frame_->FindPage<gallery::TBarsPage>();
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(Running(page->Handle()));
  const skin::TWinSkinForm* companion = Companion(page->Handle());
  ASSERT_NE(companion, nullptr);
  std::map<std::string, int> kinds;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    auto* control = dynamic_cast<ui::TWinControl*>(page->Components(i));
    const std::string expected = control ? ExpectedKind(control) : "";
    if (expected.empty()) continue;
    const skin::TSkinControl* skinned = skin::FindControlByHandle(*companion, control->Handle());
    ASSERT_NE(skinned, nullptr) << control->Name();
    EXPECT_EQ(skinned->ClassName(), expected) << control->Name();
    ++kinds[expected];
    if (auto* bar = dynamic_cast<ui::TStatusBar*>(control)) {
      EXPECT_FALSE(bar->SizeGrip());
    }
  }
  EXPECT_EQ(kinds["TSkinProgress"], 6);
  EXPECT_EQ(kinds["TSkinTrackBar"], 4);
  EXPECT_EQ(kinds["TSkinStatusBar"], 3);
  EXPECT_EQ(kinds["TSkinBox"], 8);  // four group boxes, two radio groups, two panels

  page->TrackHorizontal->SetPosition(7);
  EXPECT_EQ(page->ProgressTracked->Position(), 70);
}

}  // namespace

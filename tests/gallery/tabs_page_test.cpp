// The gallery's page of tabs: every page and tab control gets its companion
// from our skin, the scroll arrows of the crowded one get theirs, and the
// page control shows its icons.
#include "GalleryTestSupport.h"
#include "gallery/TabsPage.h"
#include "skin/WinSkinForm/ControlDiscovery.h"
#include "skin/WinSubClass/SkinTab.h"
#include "skin/WinSubClass/SkinUpDown.h"

namespace {

using namespace gallery_test;

TEST_F(GalleryTest, TabsPageSkinsEveryTabControl) {
  Run("tabs");
  auto* page = frame_->FindPage<gallery::TTabsPage>();
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(Running(page->Handle()));
  const skin::TWinSkinForm* companion = Companion(page->Handle());
  int tabControls = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    auto* control = dynamic_cast<ui::TCustomTabControl*>(page->Components(i));
    if (!control) continue;
    ++tabControls;
    EXPECT_NE(dynamic_cast<skin::TSkinTab*>(skin::FindControlByHandle(*companion, control->Handle())), nullptr)
        << control->Name();
  }
  EXPECT_EQ(tabControls, 6);
  EXPECT_EQ(page->Pages->PageCount(), 3);
  EXPECT_NE(SendMessageW(page->Pages->Handle(), TCM_GETIMAGELIST, 0, 0), 0);

  const HWND arrows = FindWindowExW(page->TabsMany->Handle(), nullptr, L"msctls_updown32", nullptr);
  ASSERT_NE(arrows, nullptr);
  EXPECT_TRUE(IsWindowVisible(arrows));
  EXPECT_NE(dynamic_cast<skin::TSkinUpDown*>(skin::FindControlByHandle(*companion, arrows)), nullptr);
}

}  // namespace

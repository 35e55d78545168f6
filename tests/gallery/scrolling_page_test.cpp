// The gallery's page of scrolling controls: each control gets the companion
// of its kind from our skin, the list view's header included, and the bars
// show our skin's arrows.
#include "GalleryTestSupport.h"
#include "gallery/ScrollingPage.h"
#include "skin/WinSkinForm/ControlDiscovery.h"
#include "skin/WinSubClass/SkinListView.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/WinSubClass/SkinScrollBar.h"

namespace {

using namespace gallery_test;

TEST_F(GalleryTest, ScrollingPageSkinsEveryScrollingControl) {
  Run("scrolling");
  auto* page = frame_->FindPage<gallery::TScrollingPage>();
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(Running(page->Handle()));
  const skin::TWinSkinForm* companion = Companion(page->Handle());
  int bars = 0, controls = 0, views = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    auto* control = dynamic_cast<ui::TWinControl*>(page->Components(i));
    if (!control) continue;
    skin::TSkinControl* skinned = skin::FindControlByHandle(*companion, control->Handle());
    ASSERT_NE(skinned, nullptr) << control->Name();
    if (auto* view = dynamic_cast<skin::TSkinListView*>(skinned)) {
      ++views;
      EXPECT_NE(view->Header, nullptr);
    } else if (dynamic_cast<skin::TSkinScrollBar*>(skinned)) {
      ++bars;
    } else if (dynamic_cast<skin::TSkinScControl*>(skinned)) {
      ++controls;
    }
  }
  EXPECT_EQ(bars, 3);      // the memo and two list boxes
  EXPECT_EQ(controls, 4);  // two scroll bar controls of each kind
  EXPECT_EQ(views, 1);

  // The memo's vertical bar shows exactly what our skin composes for it.
  auto* memo = dynamic_cast<skin::TSkinScrollBar*>(skin::FindControlByHandle(*companion, page->Memo->Handle()));
  ASSERT_NE(memo, nullptr);
  PumpFor(50);
  const RECT bar = memo->VertBarRect;
  ASSERT_GT(bar.bottom, bar.top);
  HDC window = GetWindowDC(page->Memo->Handle());
  HDC memory = CreateCompatibleDC(window);
  HBITMAP bitmap = CreateCompatibleBitmap(window, bar.right, bar.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  skin::DrawScrollBarImage(memory, bar, false, memo->VertMetrics, memo->PressedPart, *frame_->SkinData1);
  int differ = 0;
  for (int y = bar.top; y < bar.bottom; ++y)
    for (int x = bar.left; x < bar.right; ++x) differ += GetPixel(window, x, y) != GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(page->Memo->Handle(), window);
  EXPECT_EQ(differ, 0);
}

}  // namespace

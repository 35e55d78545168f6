// The gallery's pages of controls: every control of a page gets its
// companion from our skin, and the page's message box is skinned with it.
#include <string>

#include "GalleryTestSupport.h"
#include "gallery/ButtonsPage.h"
#include "skin/WinSkinForm/ControlDiscovery.h"
#include "ui/Buttons.h"
#include "ui/StdCtrls.h"

namespace {

using namespace gallery_test;

bool IsButtonKind(ui::TComponent* c) {
  return dynamic_cast<ui::TButton*>(c) || dynamic_cast<ui::TBitBtn*>(c) || dynamic_cast<ui::TSpeedButton*>(c) ||
         dynamic_cast<ui::TCheckBox*>(c) || dynamic_cast<ui::TRadioButton*>(c);
}

TEST_F(GalleryTest, ButtonsPageSkinsEveryButtonKind) {
  Run("buttons");
  auto* page = frame_->FindPage<gallery::TButtonsPage>();
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(Running(page->Handle()));
  EXPECT_TRUE(SkinShown(page->Handle()));
  const skin::TWinSkinForm* companion = Companion(page->Handle());
  int buttons = 0;
  for (int i = 0; i < page->ComponentCount(); ++i) {
    ui::TComponent* c = page->Components(i);
    if (!IsButtonKind(c)) continue;
    ++buttons;
    EXPECT_TRUE(skin::IsSkinnedControl(*companion, c)) << c->Name();
  }
  EXPECT_EQ(buttons, 4 + 5 + 6 + 6 + 5 + 4);  // tools, push, bitmap, speed, check, radio

  // Shown again, it is the same page in front.
  Run("buttons");
  int pages = 0;
  for (int i = 0; i < frame_->ComponentCount(); ++i)
    pages += dynamic_cast<gallery::TButtonsPage*>(frame_->Components(i)) ? 1 : 0;
  EXPECT_EQ(pages, 1);
}

struct TBoxButtons {
  int ticks = 0;
  bool ok = false, cancel = false;
};
TBoxButtons boxButtons;

void CALLBACK LookAtBoxButtons(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = ThreadMessageBox();
  const skin::TWinSkinForm* companion = box ? skin::SkinManage()->FindForm(box) : nullptr;
  const bool ready = companion && companion->SkinState == skin::ssRunning;
  if (!box || (!ready && ++boxButtons.ticks < 30)) return;
  KillTimer(nullptr, id);
  if (ready) {
    boxButtons.ok = skin::FindControlByHandle(*companion, GetDlgItem(box, IDOK)) != nullptr;
    boxButtons.cancel = skin::FindControlByHandle(*companion, GetDlgItem(box, IDCANCEL)) != nullptr;
  }
  PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(GalleryTest, ButtonsPageMessageBoxHasSkinnedOkAndCancel) {
  Run("buttons");
  auto* page = frame_->FindPage<gallery::TButtonsPage>();
  ASSERT_NE(page, nullptr);
  boxButtons = {};
  SetTimer(nullptr, 0, 100, &LookAtBoxButtons);
  page->MessageButtonClick(nullptr);  // returns once the timer has closed the box
  EXPECT_TRUE(boxButtons.ok);
  EXPECT_TRUE(boxButtons.cancel);
}

}  // namespace

// Message boxes are standard dialogs ("#32770") and get a companion at their
// first activation, inside their own modal loop.
#include "ManagerTestSupport.h"

namespace {

using namespace manager_test;

struct TBoxSeen {
  bool found = false;
  bool skinned = false;
  int skinState = -1;
  int borderTop = -1;
};

TBoxSeen seen;
int ticks = 0;

// Runs inside the message box's loop: looks at the box, then closes it.
void CALLBACK LookAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  const HWND box = FindWindowW(L"#32770", L"Tavrin box");
  if (!box) {
    if (++ticks > 40) KillTimer(nullptr, id);
    return;
  }
  seen.found = true;
  if (skin::TWinSkinForm* companion = skin::SkinManage()->FindForm(box)) {
    seen.skinned = true;
    seen.skinState = companion->SkinState;
    seen.borderTop = companion->BorderTop;
    if (companion->SkinState != skin::ssRunning) return;  // WM_SKINSTART still to come
  }
  KillTimer(nullptr, id);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(ManagerTest, MessageBoxIsSkinnedAndItsCompanionGoesWithIt) {
  manager_->SetState(1);
  ui::TForm* form = ShowForm();
  seen = {};
  ticks = 0;
  SetTimer(nullptr, 0, 100, &LookAndClose);
  const int answer = MessageBoxW(form->Handle(), L"text", L"Tavrin box", MB_OK);
  EXPECT_EQ(answer, IDOK);
  EXPECT_TRUE(seen.found);
  EXPECT_TRUE(seen.skinned);
  EXPECT_EQ(seen.skinState, skin::ssRunning);
  EXPECT_EQ(seen.borderTop, kTop);
  // The box is gone, and so is its companion; the form keeps its own.
  EXPECT_EQ(manager_->Forms.size(), 1u);
  EXPECT_NE(Companion(form->Handle()), nullptr);
}

}  // namespace

// MDI frames and children through the manager, popup-menu windows, and the
// manager's own end.
#include "ManagerTestSupport.h"

namespace {

using namespace manager_test;
using skin::CurrentWindowProc;

constexpr DWORD kButtons = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

class MdiTest : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    manager_->SetState(1);
    frame_ = std::make_unique<TTestWindow>();
    client_ = CreateMdiClient(frame_->Get());
    ShowWindow(frame_->Get(), SW_SHOW);
    SetForegroundWindow(frame_->Get());
    PumpFor(100);
  }
  void TearDown() override {
    frame_.reset();
    ManagerTest::TearDown();
  }

  HWND NewChild() {
    const HWND child = CreateMdiChild(client_);
    // The application asks for its menu to be refreshed after a new child:
    // that is where the frame's companion skins the child.
    SendMessageW(client_, WM_MDIREFRESHMENU, 0, 0);
    PumpFor(50);
    return child;
  }

  std::unique_ptr<TTestWindow> frame_;
  HWND client_ = nullptr;
};

TEST_F(MdiTest, ChildrenAreSkinnedFollowTheMaximiseStateAndGoWithTheirWindow) {
  skin::TWinSkinForm* frame = Companion(frame_->Get());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->FormKind, skin::fkMdiFrame);
  EXPECT_EQ(manager_->MdiClientWnd, client_);

  const HWND child = NewChild();
  skin::TWinSkinForm* companion = Companion(child);
  ASSERT_NE(companion, nullptr);
  EXPECT_EQ(companion->FormKind, skin::fkMdiChild);
  EXPECT_EQ(companion->SkinState, skin::ssRunning);
  EXPECT_EQ(StyleOf(child) & kButtons, 0u);

  // Maximised children show the system's caption buttons again (in the
  // frame's menu bar); a second call with the same value changes nothing.
  manager_->SetMdiMax(true);
  EXPECT_EQ(StyleOf(child) & kButtons, kButtons);
  SetWindowLongPtrW(child, GWL_STYLE, LONG_PTR(StyleOf(child) & ~kButtons));
  manager_->SetMdiMax(true);
  EXPECT_EQ(StyleOf(child) & kButtons, 0u);

  // Tiling ends the maximised state.
  SendMessageW(client_, WM_MDITILE, 0, 0);
  EXPECT_FALSE(manager_->MdiMaximized);
  EXPECT_EQ(StyleOf(child) & kButtons, 0u);

  // WM_MDIDESTROY frees the child's companion before the child goes.
  SendMessageW(client_, WM_MDIDESTROY, WPARAM(child), 0);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(Companion(child), nullptr);
  EXPECT_EQ(manager_->Forms.size(), 1u);
}

struct TPopupSeen {
  std::size_t popups = 0;
  bool subclassed = false;
};
TPopupSeen popupSeen;

void CALLBACK LookAndEndMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const skin::TSkinManage* manager = skin::SkinManage();
  popupSeen.popups = manager->PopupMenus.size();
  popupSeen.subclassed = popupSeen.popups == 1 && manager->PopupMenus[0]->WndProcStub.Attached();
  EndMenu();
}

TEST_F(ManagerTest, PopupMenuWindowsGetACompanionWhileTheyExist) {
  manager_->SetState(1);
  ui::TForm* form = ShowForm();
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"One");
  AppendMenuW(menu, MF_STRING, 2, L"Two");
  popupSeen = {};
  SetTimer(nullptr, 0, 200, &LookAndEndMenu);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, 200, 200, 0, form->Handle(), nullptr);
  DestroyMenu(menu);
  EXPECT_EQ(popupSeen.popups, 1u);
  EXPECT_TRUE(popupSeen.subclassed);
  PumpFor(50);
  EXPECT_TRUE(manager_->PopupMenus.empty());
  EXPECT_EQ(manager_->PopupBackground(menu), nullptr);
}

TEST_F(ManagerTest, FreeingTheManagerGivesEveryWindowItsOwnFrameBack) {
  manager_->SetState(1);
  TTestWindow window;
  const WNDPROC original = CurrentWindowProc(window.Get());
  const DWORD style = StyleOf(window.Get());
  ShowWindow(window.Get(), SW_SHOW);
  const SIZE outer = WindowSize(window.Get());
  SetForegroundWindow(window.Get());
  PumpFor(100);
  ASSERT_NE(Companion(window.Get()), nullptr);

  data_.reset();
  skin::FreeSkinManage();
  EXPECT_EQ(CurrentWindowProc(window.Get()), original);
  EXPECT_EQ(StyleOf(window.Get()) & kButtons, style & kButtons);
  EXPECT_EQ(WindowSize(window.Get()).cx, outer.cx);
  EXPECT_EQ(WindowSize(window.Get()).cy, outer.cy);
  // The hook is gone: activations go on without a manager.
  TTestWindow later;
  ShowWindow(later.Get(), SW_SHOW);
  SetForegroundWindow(later.Get());
  PumpFor(50);
}

}  // namespace

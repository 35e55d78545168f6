// Requests of the skin data components and the windows they reach.
#include "ManagerTestSupport.h"
#include "skin_form/HandleCounts.h"

#include <thread>

namespace {

using namespace manager_test;
using skin::CurrentWindowProc;

TEST_F(ManagerTest, OnBeforeTheFirstActivationSkinsTheFirstWindowAtItsActivation) {
  manager_->SetState(1);
  EXPECT_TRUE(manager_->Enabled);
  EXPECT_EQ(manager_->Started, 0);

  ui::TForm* form = ShowForm();
  const HWND wnd = form->Handle();
  EXPECT_EQ(manager_->Started, 1);
  skin::TWinSkinForm* companion = Companion(wnd);
  ASSERT_NE(companion, nullptr);
  EXPECT_EQ(companion->Form, form);
  EXPECT_EQ(companion->SkinState, skin::ssRunning);  // WM_SKINSTART has run
  EXPECT_EQ(form->Color(), data_->ButtonFaceColour);
  EXPECT_EQ(WindowSize(wnd).cx, ClientSize(wnd).cx + kLeft + kRight);
}

TEST_F(ManagerTest, AfterTheFirstActivationRequestsWaitForTheTickAndTheLastWins) {
  manager_->SetState(1);
  ui::TForm* form = ShowForm();
  const HWND wnd = form->Handle();
  skin::TWinSkinForm* companion = Companion(wnd);
  ASSERT_NE(companion, nullptr);

  // Off, then on again within one period: only "on" runs, the window keeps
  // its companion.
  manager_->SetState(2);
  manager_->SetState(1);
  EXPECT_TRUE(manager_->TimerEnabled);
  WaitForTick();
  EXPECT_FALSE(manager_->TimerEnabled);
  EXPECT_EQ(Companion(wnd), companion);

  // Off: not at once, at the tick; every window gets its own frame back.
  const SIZE client = ClientSize(wnd);
  manager_->SetState(2);
  EXPECT_TRUE(manager_->Enabled);
  EXPECT_NE(Companion(wnd), nullptr);
  WaitForTick();
  EXPECT_FALSE(manager_->Enabled);
  EXPECT_TRUE(manager_->Forms.empty());
  EXPECT_EQ(form->Color(), ui::clBtnFace);
  EXPECT_EQ(ClientSize(wnd).cx, client.cx);
  EXPECT_EQ(ClientSize(wnd).cy, client.cy);
  EXPECT_NE(WindowSize(wnd).cx, client.cx + kLeft + kRight);

  // On: the sweep skins the screen's forms again, and leaves the active
  // window active (the sweep skins a form shown behind it last).
  ui::TForm* front = ShowForm();
  manager_->SetState(2);
  WaitForTick();
  // The sweep skins the first form last; were it activated, it would end
  // up active. (Other programs' windows may come and go meanwhile.)
  ASSERT_NE(GetActiveWindow(), wnd);
  manager_->SetState(1);
  WaitForTick();
  EXPECT_NE(GetActiveWindow(), wnd);
  EXPECT_NE(Companion(front->Handle()), nullptr);
  ASSERT_NE(Companion(wnd), nullptr);
  EXPECT_EQ(Companion(wnd)->SkinState, skin::ssRunning);
  EXPECT_EQ(ClientSize(wnd).cx, client.cx);
  EXPECT_EQ(WindowSize(wnd).cx, client.cx + kLeft + kRight);
}

TEST_F(ManagerTest, ReapplyTakesTheChangedSkinAndTellsItsComponent) {
  manager_->SetState(1);
  ui::TForm* form = ShowForm();
  const HWND wnd = form->Handle();
  const SIZE client = ClientSize(wnd);
  int told = 0;
  data_->OnSkinChanged = [&told](ui::TObject*) { ++told; };

  // A skin whose left border is 20 pixels wide.
  skin_test::TFiles files = BorderFiles();
  files[0] = {"left.bmp", skin_test::BitmapFile(40, 40, 9)};
  skin_test::LoadDefinition(*data_, BorderDefinition(), files);
  data_->ApplySkin();
  WaitForTick();
  EXPECT_EQ(told, 1);
  ASSERT_NE(Companion(wnd), nullptr);
  EXPECT_EQ(Companion(wnd)->BorderLeft, 20);
  EXPECT_EQ(ClientSize(wnd).cx, client.cx);
  EXPECT_EQ(WindowSize(wnd).cx, client.cx + 20 + kRight);
}

TEST_F(ManagerTest, Tag99IsNeverSkinned) {
  data_->DisableTag = 5;  // the form's Tag 99 counts, not DisableTag
  manager_->SetState(1);
  ui::TForm* plain = ShowForm(99);
  EXPECT_EQ(Companion(plain->Handle()), nullptr);
  manager_->SetState(1);  // a sweep passes it by too
  WaitForTick();
  EXPECT_EQ(Companion(plain->Handle()), nullptr);
  EXPECT_EQ(plain->Color(), ui::clBtnFace);
}

TEST_F(ManagerTest, WhichWindowsAreSkinned) {
  manager_->SetState(1);
  // A foreign top-level window is skinned at its activation, through its handle.
  TTestWindow foreign;
  ShowWindow(foreign.Get(), SW_SHOW);
  SetForegroundWindow(foreign.Get());
  PumpFor(100);
  ASSERT_NE(Companion(foreign.Get()), nullptr);
  EXPECT_EQ(Companion(foreign.Get())->Form, nullptr);

  // A plain child window is not, outside a sweep.
  TTestWindow child(WS_CHILD | WS_VISIBLE, 0, foreign.Get(), RECT{0, 0, 50, 50});
  EXPECT_FALSE(manager_->TrySkinWindow(child.Get()));
  // Nor a window of another thread, whatever activation names it.
  HWND otherThreads = nullptr;
  const HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const HANDLE checked = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread owner([&] {
    otherThreads = CreateWindowExW(0, PlainClassName(), L"other", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    SetEvent(created);
    WaitForSingleObject(checked, 5000);
    DestroyWindow(otherThreads);
  });
  WaitForSingleObject(created, 5000);
  EXPECT_TRUE(IsWindow(otherThreads));
  EXPECT_FALSE(manager_->TrySkinWindow(otherThreads));
  SetEvent(checked);
  owner.join();
  CloseHandle(created);
  CloseHandle(checked);
  // Nor a window of no area, nor the application's hidden window.
  TTestWindow empty(WS_POPUP, 0, nullptr, RECT{10, 10, 10, 10});
  EXPECT_FALSE(manager_->TrySkinWindow(empty.Get()));
  EXPECT_FALSE(manager_->TrySkinWindow(app_->Handle()));
  // Nor a window whose class the main skin filters out.
  data_->OnFormSkin = [](ui::TObject*, const std::string& name, bool& doSkin) {
    if (name == "TavrinPlainWindow") doSkin = false;
  };
  TTestWindow filtered;
  EXPECT_FALSE(manager_->TrySkinWindow(filtered.Get()));
  // Switched off, nothing new is skinned.
  data_->OnFormSkin = nullptr;
  manager_->Enabled = false;
  EXPECT_FALSE(manager_->TrySkinWindow(filtered.Get()));
}

TEST_F(ManagerTest, ScrollBarStraightOnASkinnedWindowIsRefused) {
  manager_->SetState(1);
  ui::TForm* form = ShowForm();
  ASSERT_NE(Companion(form->Handle()), nullptr);
  const auto createScrollBar = [](HWND parent) {
    return CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | SBS_VERT, 0, 0, 16, 80, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  };
  EXPECT_EQ(createScrollBar(form->Handle()), nullptr);

  TTestWindow plain;  // never activated: not skinned
  const HWND bar = createScrollBar(plain.Get());
  EXPECT_NE(bar, nullptr);
}

TEST_F(ManagerTest, DestroyingASkinnedWindowFreesItsCompanion) {
  manager_->SetState(1);
  auto window = std::make_unique<TTestWindow>();
  const HWND wnd = window->Get();
  ShowWindow(wnd, SW_SHOW);
  SetForegroundWindow(wnd);
  PumpFor(100);
  ASSERT_NE(Companion(wnd), nullptr);
  // Closed from inside its own (subclassed) window procedure: the companion
  // is detached while its procedure still runs, and freed once it returns.
  SendMessageW(wnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_TRUE(manager_->Forms.empty());
}

}  // namespace

namespace {

// 100 rounds of off, on and a new skin: every round gives the windows back
// whole and takes them again, and nothing piles up.
TEST_F(ManagerTest, OffOnReapplyCyclesLeaveNothingBehind) {
  manager_->SetState(1);
  ui::TForm* form = ShowForm();
  TTestWindow foreign;
  ShowWindow(foreign.Get(), SW_SHOW);
  SetForegroundWindow(foreign.Get());
  PumpFor(100);
  const HWND windows[] = {form->Handle(), foreign.Get()};
  ASSERT_EQ(manager_->Forms.size(), 2u);
  const SIZE clients[] = {ClientSize(windows[0]), ClientSize(windows[1])};

  // Requests after the first activation wait for the tick; here the tick is
  // run at once.
  const auto request = [this](int action) {
    manager_->SetState(action);
    manager_->RunPendingAction();
    Pump();  // WM_SKINSTART of windows skinned again
  };
  const auto round = [&] {
    request(2);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(ClientSize(windows[i]).cx, clients[i].cx);
      EXPECT_EQ(GetWindowRgn(windows[i], ui::RegionHandle(CreateRectRgn(0, 0, 0, 0)).Get()), ERROR);
    }
    request(1);  // the sweep takes the screen's forms again
    SetForegroundWindow(windows[0]);
    SetForegroundWindow(windows[1]);  // any other window at its next activation
    Pump();
    data_->ApplySkin();
    manager_->RunPendingAction();
    ASSERT_EQ(manager_->Forms.size(), 2u);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(ClientSize(windows[i]).cx, clients[i].cx);
  };
  for (int i = 0; i < 5; ++i) round();
  const DWORD gdi = handle_counts::GdiObjects(), user = handle_counts::UserObjects();
  for (int i = 0; i < 100; ++i) round();
  EXPECT_LE(handle_counts::GdiObjects(), gdi + 5);
  EXPECT_LE(handle_counts::UserObjects(), user + 5);
}

}  // namespace

// Many create / skin / destroy cycles leave no GDI or USER objects behind.
#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "HandleCounts.h"
#include "skin/WinSkinForm/WinSkinForm.h"

namespace {

using namespace form_test;
using handle_counts::GdiObjects;
using handle_counts::UserObjects;

void ExpectNoGrowth(DWORD gdiBefore, DWORD userBefore) {
  ASSERT_GT(gdiBefore, 0u) << "no way to count GDI objects here";
  EXPECT_LE(GdiObjects(), gdiBefore + 5);
  EXPECT_LE(UserObjects(), userBefore + 5);
}

// The counts below would not see a leak if the counting saw nothing.
TEST(Leaks, CountingSeesObjectsComeAndGo) {
  const DWORD before = GdiObjects();
  std::vector<ui::RegionHandle> regions;
  for (int i = 0; i < 50; ++i) regions.emplace_back(CreateRectRgn(0, 0, i + 1, i + 1));
  EXPECT_GE(GdiObjects(), before + 50);
  regions.clear();
  EXPECT_LE(GdiObjects(), before);
}

// 1000 create / skin / destroy cycles, in four runs of 250 so that each
// stays well inside a test's time on a busy machine.
class CreateSkinDestroy : public ::testing::TestWithParam<int> {};

TEST_P(CreateSkinDestroy, Cycles) {
  constexpr int kWarmUp = 10;  // caches of the system fill once
  constexpr int kCycles = 250;
  auto data = MakeSkinData();
  skin::TSkinManage* manager = skin::SkinManage();
  manager->SetState(1);
  int skinned = 0;
  const auto cycle = [&] {
    TTestWindow window;
    SendMessageW(window.Get(), WM_SETICON, ICON_SMALL, LPARAM(LoadIconW(nullptr, IDI_APPLICATION)));
    ShowWindow(window.Get(), SW_SHOW);
    SetActiveWindow(window.Get());  // the hook skins it at its activation
    Pump();                          // WM_SKINSTART
    const skin::TWinSkinForm* companion = manager->FindForm(window.Get());
    if (companion && companion->SkinState == skin::ssRunning) ++skinned;
  };
  for (int i = 0; i < kWarmUp; ++i) cycle();
  const DWORD gdi = GdiObjects(), user = UserObjects();
  for (int i = 0; i < kCycles; ++i) {
    cycle();
    ASSERT_TRUE(manager->Forms.empty()) << i;
  }
  EXPECT_EQ(skinned, kWarmUp + kCycles);
  ExpectNoGrowth(gdi, user);
  data.reset();
  skin::FreeSkinManage();
}

INSTANTIATE_TEST_SUITE_P(Leaks, CreateSkinDestroy, ::testing::Range(0, 4));

TEST(Leaks, AttachDetachCycles) {
  auto data = MakeSkinData();
  TTestWindow window;
  SendMessageW(window.Get(), WM_SETICON, ICON_SMALL, LPARAM(LoadIconW(nullptr, IDI_APPLICATION)));
  ShowWindow(window.Get(), SW_SHOW);
  const SIZE outer = WindowSize(window.Get());
  const auto cycle = [&] {
    skin::TWinSkinForm companion(nullptr);
    companion.Handle = window.Get();
    companion.AttachHandle(data.get());
    SendMessageW(window.Get(), skin::WM_SKINSTART, 0, 1000);
    companion.Detach();
  };
  for (int i = 0; i < 10; ++i) cycle();
  const DWORD gdi = GdiObjects(), user = UserObjects();
  for (int i = 0; i < 200; ++i) cycle();
  EXPECT_EQ(WindowSize(window.Get()).cx, outer.cx);
  EXPECT_EQ(WindowSize(window.Get()).cy, outer.cy);
  ExpectNoGrowth(gdi, user);
  data.reset();
  skin::FreeSkinManage();
}

}  // namespace

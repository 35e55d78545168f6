// Many create / skin / destroy cycles leave no GDI or USER objects behind.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "skin/WinSkinForm/WinSkinForm.h"

namespace {

using namespace form_test;

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }
DWORD UserObjects() { return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); }

// The object counts have not grown (Wine counts nothing: there the cycles
// only show that nothing fails or crashes).
void ExpectNoGrowth(DWORD gdiBefore, DWORD userBefore) {
  if (gdiBefore == 0 && userBefore == 0) return;
  EXPECT_LE(GdiObjects(), gdiBefore + 5);
  EXPECT_LE(UserObjects(), userBefore + 5);
}

TEST(Leaks, CreateSkinDestroyCycles) {
  auto data = MakeSkinData();
  skin::TSkinManage* manager = skin::SkinManage();
  manager->SetState(1);
  int skinned = 0;
  const auto cycle = [&] {
    TTestWindow window;
    ShowWindow(window.Get(), SW_SHOW);
    SetActiveWindow(window.Get());  // the hook skins it at its activation
    Pump();                          // WM_SKINSTART
    const skin::TWinSkinForm* companion = manager->FindForm(window.Get());
    if (companion && companion->SkinState == skin::ssRunning) ++skinned;
  };
  for (int i = 0; i < 20; ++i) cycle();  // warm-up: caches of the system fill once
  const DWORD gdi = GdiObjects(), user = UserObjects();
  for (int i = 0; i < 1000; ++i) {
    cycle();
    ASSERT_TRUE(manager->Forms.empty()) << i;
  }
  EXPECT_EQ(skinned, 1020);
  ExpectNoGrowth(gdi, user);
  data.reset();
  skin::FreeSkinManage();
}

TEST(Leaks, AttachDetachCycles) {
  auto data = MakeSkinData();
  TTestWindow window;
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

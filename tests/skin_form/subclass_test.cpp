// The object-bound window procedure: install, pass on, restore on every path.
#include <gtest/gtest.h>

#include <vector>

#include "FormTestSupport.h"
#include "skin/WinSkinForm/WindowSubclass.h"

namespace {

using form_test::TTestWindow;
using skin::CurrentWindowProc;
using skin::WindowSubclass;

constexpr UINT kProbe = WM_APP + 7;

// Answers kProbe with `answer` after noting its name; passes the rest on.
WindowSubclass::Procedure Recorder(WindowSubclass& subclass, std::vector<int>& calls, int name) {
  return [&subclass, &calls, name](UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (msg == kProbe) {
      calls.push_back(name);
      return subclass.CallOld(msg, wParam, lParam) + name;
    }
    return subclass.CallOld(msg, wParam, lParam);
  };
}

LRESULT Probe(HWND wnd) { return SendMessageW(wnd, kProbe, 0, 0); }

TEST(WindowSubclass, InstallsPassesOnAndRestores) {
  TTestWindow window;
  const WNDPROC original = CurrentWindowProc(window.Get());
  std::vector<int> calls;
  WindowSubclass subclass;
  ASSERT_TRUE(subclass.Attach(window.Get(), Recorder(subclass, calls, 5)));
  EXPECT_NE(CurrentWindowProc(window.Get()), original);
  EXPECT_EQ(subclass.OldProc(), original);
  EXPECT_EQ(Probe(window.Get()), 5);  // DefWindowProc answers 0
  EXPECT_FALSE(subclass.Attach(window.Get(), Recorder(subclass, calls, 6)));  // once only

  subclass.Detach();
  EXPECT_FALSE(subclass.Attached());
  EXPECT_EQ(CurrentWindowProc(window.Get()), original);
  EXPECT_EQ(Probe(window.Get()), 0);
  EXPECT_EQ(calls, std::vector<int>{5});
}

TEST(WindowSubclass, RefusesWhatIsNoWindow) {
  WindowSubclass subclass;
  EXPECT_FALSE(subclass.Attach(nullptr, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; }));
  TTestWindow window;
  EXPECT_FALSE(subclass.Attach(window.Get(), {}));
  EXPECT_FALSE(subclass.Attached());
}

TEST(WindowSubclass, DestructorRestores) {
  TTestWindow window;
  const WNDPROC original = CurrentWindowProc(window.Get());
  {
    std::vector<int> calls;
    WindowSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window.Get(), Recorder(subclass, calls, 1)));
  }
  EXPECT_EQ(CurrentWindowProc(window.Get()), original);
  EXPECT_EQ(Probe(window.Get()), 0);
}

// Two of ours on one window, detached in either order: the chain stays whole.
TEST(WindowSubclass, StacksAndDetachesInAnyOrder) {
  for (const bool lowerFirst : {true, false}) {
    TTestWindow window;
    const WNDPROC original = CurrentWindowProc(window.Get());
    std::vector<int> calls;
    WindowSubclass lower, upper;
    ASSERT_TRUE(lower.Attach(window.Get(), Recorder(lower, calls, 1)));
    ASSERT_TRUE(upper.Attach(window.Get(), Recorder(upper, calls, 10)));
    EXPECT_EQ(Probe(window.Get()), 11);
    EXPECT_EQ(calls, (std::vector<int>{10, 1}));

    (lowerFirst ? lower : upper).Detach();
    EXPECT_EQ(Probe(window.Get()), lowerFirst ? 10 : 1);
    (lowerFirst ? upper : lower).Detach();
    EXPECT_EQ(CurrentWindowProc(window.Get()), original);
    EXPECT_EQ(Probe(window.Get()), 0);
  }
}

LRESULT CALLBACK ForeignProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC foreignOld = nullptr;
LRESULT CALLBACK ForeignProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(foreignOld, wnd, msg, wParam, lParam);
  return msg == kProbe ? result + 100 : result;
}

// A foreign procedure above ours: ours cannot leave the chain, so it passes
// everything on until the window goes, and nothing calls into the freed object.
TEST(WindowSubclass, ForeignProcedureAboveStaysWorking) {
  auto window = std::make_unique<TTestWindow>();
  {
    std::vector<int> calls;
    WindowSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window->Get(), Recorder(subclass, calls, 1)));
    foreignOld = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window->Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    EXPECT_EQ(Probe(window->Get()), 101);
  }
  EXPECT_EQ(Probe(window->Get()), 100);
  window.reset();  // WM_NCDESTROY frees the pass-through
}

// The window goes while subclassed: the object learns it and lets go.
TEST(WindowSubclass, WindowDestroyedWhileAttached) {
  auto window = std::make_unique<TTestWindow>();
  std::vector<UINT> seen;
  WindowSubclass subclass;
  ASSERT_TRUE(subclass.Attach(window->Get(), [&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY || msg == WM_NCDESTROY) seen.push_back(msg);
    return subclass.CallOld(msg, wParam, lParam);
  }));
  window.reset();
  EXPECT_FALSE(subclass.Attached());
  EXPECT_EQ(seen, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
  subclass.Detach();  // nothing left to do
}

// The object is freed from inside its own procedure (WM_DESTROY restores,
// then passes on; a WM_CLOSE handler frees its owner).
TEST(WindowSubclass, FreedInsideItsOwnProcedure) {
  TTestWindow window;
  const WNDPROC original = CurrentWindowProc(window.Get());
  auto* subclass = new WindowSubclass;
  ASSERT_TRUE(subclass->Attach(window.Get(), [&subclass](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kProbe) {
      const WNDPROC old = subclass->OldProc();
      const HWND wnd = subclass->Window();
      delete subclass;
      subclass = nullptr;
      return CallWindowProcW(old, wnd, msg, wParam, lParam) + 3;
    }
    return subclass->CallOld(msg, wParam, lParam);
  }));
  EXPECT_EQ(Probe(window.Get()), 3);
  EXPECT_EQ(subclass, nullptr);
  EXPECT_EQ(CurrentWindowProc(window.Get()), original);
  EXPECT_EQ(Probe(window.Get()), 0);
}

}  // namespace

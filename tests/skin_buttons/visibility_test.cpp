// Which caption buttons a window shows: the two visibility codes of each
// button against the window's caption-button styles, border, state and
// activation, and the styles of real windows.
#include <gtest/gtest.h>

#include <functional>

#include "ButtonTestSupport.h"

namespace {

using namespace button_test;
using skin::TWinSkinForm;

struct TCase {
  const char* what;
  int visibility;
  int visibility1;
  int action;
  std::function<void(TWinSkinForm&)> window;  // changes from a normal, active, captioned window with all buttons
  bool visible;
};

void NoMaxBox(TWinSkinForm& f) { f.ButtonStyles &= ~skin::bsMaximizeBox; }
void NoMinBox(TWinSkinForm& f) { f.ButtonStyles &= ~skin::bsMinimizeBox; }
void NoSysMenu(TWinSkinForm& f) { f.ButtonStyles &= ~skin::bsSystemMenu; }
void Maximized(TWinSkinForm& f) { f.WindowState = skin::wsMaximized; }
void Inactive(TWinSkinForm& f) { f.Active = false; }
void PlainBorder(TWinSkinForm& f) { f.BorderKind = skin::bkPlain; }
void Unchanged(TWinSkinForm&) {}

bool Evaluate(const TCase& c) {
  TWinSkinForm form(nullptr);
  form.BorderKind = skin::bkEdge;
  form.ButtonStyles = skin::bsMaximizeBox | skin::bsMinimizeBox | skin::bsSystemMenu;
  form.WindowState = skin::wsNormal;
  form.Active = true;
  form.MenuBarHeight = 20;
  c.window(form);
  auto entry = std::make_shared<skin::TDataSkinSysButton>("BUTTON.TEST");
  entry->Visibility = c.visibility;
  entry->Visibility1 = c.visibility1;
  entry->Action = c.action;
  form.SysButtons.push_back(std::make_unique<skin::TWinSysButton>(&form, entry));
  const bool visible = form.UpdateSysButtonVisible(0);
  EXPECT_EQ(form.SysButtons[0]->Visible, visible) << c.what;
  return visible;
}

TEST(SysButtonVisibility, CodesAgainstTheWindow) {
  const TCase cases[] = {
      {"maximise: not maximised and a maximise box", 2, 6, 1, Unchanged, true},
      {"maximise on a maximised window", 2, 6, 1, Maximized, false},
      {"restore on a maximised window", 1, 6, 1, Maximized, true},
      {"restore on a normal window", 1, 6, 1, Unchanged, false},
      {"maximise action without a maximise box, whatever the codes", 250, 250, 1, NoMaxBox, false},
      {"minimise action without a minimise box, whatever the codes", 250, 250, 2, NoMinBox, false},
      {"other actions ignore the boxes", 250, 250, 5, [](TWinSkinForm& f) { f.ButtonStyles = 0; }, true},
      {"code 0 on the usual captioned window", 0, 0, 5, Unchanged, true},
      {"code 0 on a window without edge or sizing frame", 0, 0, 5, PlainBorder, false},
      {"code 0 close without a system menu", 0, 0, 0, NoSysMenu, false},
      {"code 0 other button without a system menu", 0, 0, 5, NoSysMenu, true},
      {"code 0 as condition B is always true", 250, 0, 0, [](TWinSkinForm& f) {
         PlainBorder(f);
         NoSysMenu(f);
       }, true},
      {"code 3 active", 3, 3, 5, Unchanged, true},
      {"code 3 inactive", 3, 250, 5, Inactive, false},
      {"code 4 inactive", 250, 4, 5, Inactive, true},
      {"code 6 as A needs the system menu", 6, 250, 5, NoSysMenu, false},
      {"code 6 as B does not", 250, 6, 5, NoSysMenu, true},
      {"code 7 without a maximise box", 7, 7, 2, NoMaxBox, true},
      {"code 7 with one", 250, 7, 2, Unchanged, false},
      {"code 8 as A needs the system menu", 8, 250, 2, NoSysMenu, false},
      {"code 8 as B does not", 250, 8, 2, NoSysMenu, true},
      {"code 9 without a minimise box", 9, 9, 5, NoMinBox, true},
      {"codes 5, 10 and 11 hide", 5, 250, 5, Unchanged, false},
      {"code 10", 250, 10, 5, Unchanged, false},
      {"code 11", 11, 250, 5, Unchanged, false},
      {"code 100 without an MDI client", 100, 100, 8, Unchanged, false},
      {"150 hides", 150, 250, 5, Unchanged, false},
      {"200 shows", 200, 200, 5, Unchanged, true},
      {"2000 shows", 2000, 250, 5, Unchanged, true},
      {"2001 hides", 2001, 250, 5, Unchanged, false},
      {"negative codes hide", -1, 250, 5, Unchanged, false},
      {"unknown code 12 hides", 250, 12, 5, Unchanged, false},
  };
  for (const TCase& c : cases) EXPECT_EQ(Evaluate(c), c.visible) << c.what;
}

class SysButtonRealWindows : public ::testing::Test {
 protected:
  void TearDown() override {
    data_.reset();
    skin::FreeSkinManage();
  }
  std::unique_ptr<skin::TSkinData> data_ = MakeButtonSkin();
};

TEST_F(SysButtonRealWindows, OverlappedWindowShowsCloseMaximiseMinimiseAndIcon) {
  TSkinnedWindow window(*data_);
  EXPECT_TRUE(window.Button(kClose).Visible);
  EXPECT_TRUE(window.Button(kMaximize).Visible);
  EXPECT_FALSE(window.Button(kRestore).Visible);
  EXPECT_TRUE(window.Button(kMinimize).Visible);
  EXPECT_FALSE(window.Button(kMinimizeAlone).Visible);
  EXPECT_TRUE(window.Button(kSystemMenu).Visible);
  EXPECT_FALSE(window.Button(kMdiRestore).Visible);
}

TEST_F(SysButtonRealWindows, WithoutMaximiseBoxTheMinimiseButtonMovesToTheMaximisePlace) {
  TSkinnedWindow window(*data_, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME);
  EXPECT_TRUE(window.Button(kClose).Visible);
  EXPECT_FALSE(window.Button(kMaximize).Visible);
  EXPECT_FALSE(window.Button(kMinimize).Visible);
  EXPECT_TRUE(window.Button(kMinimizeAlone).Visible);
  EXPECT_EQ(window.Button(kMinimizeAlone).Rect.left, window.Width() - 34);
}

TEST_F(SysButtonRealWindows, MaximisedWindowShowsRestoreInsteadOfMaximise) {
  TSkinnedWindow window(*data_);
  ShowWindow(window.Wnd(), SW_MAXIMIZE);
  Pump();
  window.Layout();
  EXPECT_EQ(window.Form().WindowState, skin::wsMaximized);
  EXPECT_FALSE(window.Button(kMaximize).Visible);
  EXPECT_TRUE(window.Button(kRestore).Visible);
  EXPECT_EQ(window.Button(kRestore).Rect.left, window.Width() - 34);
}

}  // namespace

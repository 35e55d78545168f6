// Keyboard cues off: the skinned bar hides its access-key underlines until
// the keyboard is used in the window, and shows them for good from then on.
#include "MenuBarTestSupport.h"

namespace {

using menu_test::FrameArea;
using menu_test::MenuBarTest;

class KeyboardCuesTest : public MenuBarTest {
 protected:
  void SetUp() override {
    MenuBarTest::SetUp();
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &saved_, 0);
    SetCues(false);
  }
  void TearDown() override {
    SetCues(saved_ != FALSE);
    MenuBarTest::TearDown();
  }
  // Only this process's view: the prefix keeps the user's setting.
  static void SetCues(bool on) {
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(std::intptr_t(on ? TRUE : FALSE)), 0);
  }
  std::vector<ui::TColor> ShownBar() {
    Repaint();
    return FrameArea(wnd_, Bar().BarRect);
  }
  BOOL saved_ = TRUE;
};

TEST_F(KeyboardCuesTest, BarUnderlinesShowOnceTheKeyboardIsUsed) {
  Start();
  const std::vector<ui::TColor> hidden = ShownBar();
  SetCues(true);
  const std::vector<ui::TColor> underlined = ShownBar();
  ASSERT_FALSE(underlined.empty());
  EXPECT_NE(hidden, underlined) << "with cues on every item shows its underline";
  SetCues(false);
  EXPECT_EQ(ShownBar(), hidden) << "the mouse alone shows no underline";

  // A key without Alt shows nothing; Alt shows the underlines (without any repaint asked for).
  SendMessageW(wnd_, WM_KEYDOWN, 'A', 0);
  menu_test::Pump();
  EXPECT_EQ(FrameArea(wnd_, Bar().BarRect), hidden);
  SendMessageW(wnd_, WM_SYSKEYDOWN, VK_MENU, 0x20000001);
  menu_test::Pump();
  EXPECT_EQ(FrameArea(wnd_, Bar().BarRect), underlined);
  EXPECT_EQ(ShownBar(), underlined) << "they stay";
}

}  // namespace

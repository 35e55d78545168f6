// Skins with odd caption-button data: frame counts below one, unknown Align
// and Action codes, offsets at the ends of the 32-bit range, buttons without
// an image, and a skin that was never loaded. None of it may crash, and each
// button lands where its rules put it.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"

namespace {

using namespace button_test;

enum : int { kNegativeFrames, kUnknownAlign, kNoImage, kMenuBarAlign, kIconWithFrames, kFarBelow, kUnknownAction };

std::string OddDefinition() {
  return "[Personality]\n"
         "Left=left.bmp\nLeftFrame=2\nRight=right.bmp\nRightFrame=2\n"
         "Top=top.bmp\nTopFrame=2\nBottom=bottom.bmp\nBottomFrame=2\n" +
         Section("Button.NegativeFrames", 5, 1, 2147483647, 1, 250, 250, "wide.bmp") + "frame=-2\n" +
         Section("Button.UnknownAlign", 5, 77, 40, -2147483647 - 1, 250, 250, "close.bmp") +
         Section("Button.NoImage", 5, 0, 60, 1, 250, 250, "") +
         Section("Button.MenuBarAlign", 5, 100, 30, 1, 250, 250, "close.bmp") +
         Section("Button.IconWithFrames", 11, 0, 80, 1, 250, 250, "wide.bmp") + "frame=4\n" +
         Section("Button.FarBelow", 5, 0, 100, 2147483647, 250, 250, "close.bmp") +
         Section("Button.UnknownAction", 99999, 0, 150, 1, 0, 0, "close.bmp");
}

skin_test::TFiles OddFiles() {
  skin_test::TFiles files = ButtonFiles();
  files.push_back({"wide.bmp", StripFile(kButtonW, kButtonH, 4, kExtraTag)});
  return files;
}

class SysButtonOddSkin : public ::testing::Test {
 protected:
  void TearDown() override {
    data_.reset();
    skin::FreeSkinManage();
  }
  std::unique_ptr<skin::TSkinData> data_ = MakeButtonSkin(OddDefinition(), OddFiles());
};

TEST_F(SysButtonOddSkin, ButtonsLandWhereTheirRulesPutThem) {
  TSkinnedWindow w(*data_);
  // A count below one draws the image as one frame, however far away.
  EXPECT_EQ(w.Button(kNegativeFrames).Rect.right - w.Button(kNegativeFrames).Rect.left, 4 * kButtonW);
  EXPECT_LT(w.Button(kNegativeFrames).Rect.right, 0);
  // Unknown Align: the top-left corner of the window, whatever the offsets.
  EXPECT_EQ(w.Button(kUnknownAlign).Rect, (RECT{0, 0, kButtonW, kButtonH}));
  // No image: never placed, never hit.
  EXPECT_EQ(w.Button(kNoImage).Rect, (RECT{0, 0, 0, 0}));
  // The menu-bar rule without a menu bar centres on a zero-height bar.
  EXPECT_EQ(w.Button(kMenuBarAlign).Rect.left, w.Width() - 30 - kRight);
  EXPECT_EQ(w.Button(kMenuBarAlign).Rect.top, (0 - kButtonH) / 2 + kTop);
  // An icon button keeps its image's size but shows the icon as one frame.
  EXPECT_EQ(w.Button(kIconWithFrames).SkinButton->FrameCount, 1);
  EXPECT_EQ(w.Button(kIconWithFrames).Rect, (RECT{80, 1, 80 + 4 * kButtonW, 1 + kButtonH}));
  EXPECT_GT(w.Button(kFarBelow).Rect.top, 1 << 20);
}

TEST_F(SysButtonOddSkin, PaintingAndTheMouseCopeWithEveryButton) {
  TSkinnedWindow w(*data_);
  ui::TBitmap title;
  title.SetSize(w.Width(), kTop);
  w.Form().PaintSysButtons(title);
  w.Form().Active = false;
  w.Form().PaintSysButtons(title);
  w.Form().Active = true;
  for (auto& button : w.Form().SysButtons)
    for (int state : {-1, 0, 1, 2, 3, 4, 99}) w.Form().PaintSysButton(*button, state);

  // Over every row of the title bar and beyond, across the whole width.
  for (int y = -2; y < kTop + 6; y += 3)
    for (int x = -2; x < w.Width() + 4; x += 5) w.Send(WM_NCMOUSEMOVE, FrameToScreen(w.Wnd(), POINT{x, y}));
  w.Form().HoverCheck();

  w.Click(kUnknownAction);
  PumpFor(100);
  ASSERT_EQ(CountRecorded(skin::WM_SKINBUTTON), 1);
  EXPECT_EQ(Recorded().back().WParam, WPARAM(99999));
}

TEST(SysButtonEmptySkin, WindowWithoutButtonsPassesTheMouseOn) {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  {
    TSkinnedWindow w(*data);
    EXPECT_TRUE(w.Form().SysButtons.empty());
    const POINT p = FrameToScreen(w.Wnd(), POINT{20, 5});
    w.Send(WM_NCMOUSEMOVE, p);
    w.Send(WM_NCLBUTTONDOWN, p);
    w.Send(WM_NCLBUTTONUP, p);
    w.Form().HoverCheck();
    EXPECT_EQ(Recorded().size(), 3u);
  }
  data.reset();
  skin::FreeSkinManage();
}

}  // namespace

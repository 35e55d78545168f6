// Loading a skin definition into the skin set: keys, defaults and frame rules.
#include <gtest/gtest.h>

#include "skin_data/SkinTestSupport.h"

namespace {

using namespace skin_test;
using skin::TSkinSet;

TEST(SkinDefinition, EmptyDefinitionGivesEveryDefault) {
  TSkinSet set;
  LoadDefinition(set, "");
  EXPECT_FALSE(set.Empty);
  EXPECT_EQ(set.SkinName, "");
  for (const auto& border : set.Borders) {
    EXPECT_TRUE(border->Bitmap.Empty());
    EXPECT_EQ(border->FrameCount, 1);
    EXPECT_EQ(border->Tile, 1);
    EXPECT_EQ(border->Trans, 1);
    EXPECT_EQ(border->LeftWidth + border->TopHeight + border->RightWidth + border->BottomHeight, 0);
  }
  EXPECT_EQ(set.WindowTextColour, ui::clWindowText);
  EXPECT_EQ(set.ButtonFaceColour, ui::clBtnFace);
  EXPECT_EQ(set.ScrollbarColour, ui::clScrollBar);
  EXPECT_EQ(set.HilightTextColour, ui::clHighlightText);
  EXPECT_EQ(set.HilightColour, ui::clHighlight);
  EXPECT_EQ(set.MenubarColour, ui::clBtnFace);
  EXPECT_EQ(set.MenuColour, ui::clMenu);
  EXPECT_EQ(set.MenuTextColour, ui::clMenuText);
  EXPECT_EQ(set.ButtonTextColour, ui::clBtnText);
  EXPECT_EQ(set.ButtonHilightColour, ui::clBtnHighlight);
  EXPECT_EQ(set.ButtonLightColour, ui::clBtnHighlight);
  EXPECT_EQ(set.ButtonShadowColour, ui::clBtnShadow);
  EXPECT_EQ(set.ButtonDkShadowColour, ui::clBtnShadow);
  EXPECT_EQ(set.MenuBarTextColour, ui::clMenu);
  EXPECT_EQ(set.TitleTextActiveColour, ui::clCaptionText);
  EXPECT_EQ(set.TitleTextInactiveColour, ui::clInactiveCaptionText);

  EXPECT_EQ(set.Title->FontHeight, 14);
  EXPECT_EQ(set.Title->ActiveTextColour, ui::clNone);
  EXPECT_EQ(set.Title->InactiveTextColour, ui::clNone);
  EXPECT_EQ(set.Title->FrameCount, 2);
  EXPECT_EQ(set.Buttons->FrameCount, 5);
  EXPECT_EQ(set.Buttons->NormalColour, -1);
  EXPECT_EQ(set.Buttons->PressedColour, -1);
  EXPECT_EQ(set.Buttons->NormalColour2, ui::clBtnText);
  EXPECT_EQ(set.Buttons->RadioFrames, 4);  // empty strips
  EXPECT_EQ(set.Buttons->CheckFrames, 4);

  ASSERT_EQ(set.SysButtons.size(), 3u);  // the MDI entries only
  for (int j = 0; j < 3; ++j) {
    const auto& mdi = *set.SysButtons[std::size_t(j)];
    EXPECT_EQ(mdi.Action, 7 + j);
    EXPECT_EQ(mdi.Align, 100);
    EXPECT_EQ(mdi.Visibility, 100);
    EXPECT_EQ(mdi.Visibility1, 100);
    EXPECT_EQ(mdi.FrameCount, 4);
    EXPECT_EQ(mdi.Xcoord, 0);
    EXPECT_TRUE(mdi.Bitmap.Empty());
  }
  for (const skin::TDataSkinObject* o :
       {set.MenuBar.get(), set.Progress.get(), static_cast<skin::TDataSkinObject*>(set.Tabs.get()),
        static_cast<skin::TDataSkinObject*>(set.UpDownHorz.get()), set.GroupBoxEdge.get(), set.Scrollbar.get(),
        set.VertScrollThumb.get(), set.MenuBackground.get()})
    EXPECT_EQ(o, nullptr);
}

TEST(SkinDefinition, BorderKeysMapToTheBordersOwnAxis) {
  TSkinSet set;
  LoadDefinition(set,
                 "[TitlebarSkin]\nSkinName=Test skin\n[Personality]\nTop=top.bmp\nTopTopHeight=28\nTopBotHeight=65\n"
                 "TopFrame=2\nTopStretch=0\nTopTrans=0\nLeftTopHeight=5\nLeftBotHeight=6\n",
                 {{"top.bmp", BitmapFile(142, 52)}});
  EXPECT_EQ(set.SkinName, "Test skin");
  const auto& top = *set.Borders[skin::bdTop];
  EXPECT_EQ(top.Bitmap.Width(), 142);
  EXPECT_EQ(top.LeftWidth, 28);
  EXPECT_EQ(top.RightWidth, 65);
  EXPECT_EQ(top.TopHeight, 0);
  EXPECT_EQ(top.BottomHeight, 0);
  EXPECT_EQ(top.FrameCount, 2);
  EXPECT_EQ(top.Tile, 0);
  EXPECT_EQ(top.Trans, 0);
  const auto& left = *set.Borders[skin::bdLeft];
  EXPECT_EQ(left.TopHeight, 5);
  EXPECT_EQ(left.BottomHeight, 6);
  EXPECT_EQ(left.LeftWidth, 0);
  EXPECT_EQ(left.RightWidth, 0);
}

TEST(SkinDefinition, CaptionButtonSectionsAndFrames) {
  TSkinSet set;
  LoadDefinition(set,
                 "[Buttons]\n[Button.Radio]\n[BUTTON.CHECKBOX]\n"
                 "[Button1]\nButtonImage=wide.bmp\nAction=0\n"          // 84 x 14: 6 frames
                 "[buttonx]\nButtonImage=square.bmp\nAction=1\n"        // 60 x 20: 3 frames
                 "[ButtonNeg]\nButtonImage=square.bmp\nAction=-1\n"     // negative action: 6
                 "[Button3]\nButtonImage=wide.bmp\nAction=3\n"          // loses its image
                 "[Button11]\nButtonImage=wide.bmp\nAction=11\nAlign=1\nXcoord=20\nYcoord=4\n"
                 "Visibility=2\nVisibility1=3\nCombineOp=1\n"
                 "[ButtonKept]\nButtonImage=square.bmp\nframe=4\nAction=3\n"  // explicit frames: as read
                 "[ButtonNone]\nAction=2\n",
                 {{"wide.bmp", BitmapFile(84, 14)}, {"square.bmp", BitmapFile(60, 20)}});
  ASSERT_EQ(set.SysButtons.size(), 7u + 3u);
  const auto& b = set.SysButtons;
  EXPECT_EQ(b[0]->Name, "BUTTON1");
  EXPECT_EQ(b[1]->Name, "BUTTONX");
  EXPECT_EQ(b[0]->FrameCount, 6);
  EXPECT_EQ(b[0]->CombineOp, -1);
  EXPECT_EQ(b[1]->FrameCount, 3);
  EXPECT_EQ(b[2]->FrameCount, 6);
  EXPECT_FALSE(b[2]->Bitmap.Empty());
  EXPECT_TRUE(b[3]->Bitmap.Empty());
  EXPECT_EQ(b[3]->FrameCount, 6);
  EXPECT_TRUE(b[4]->Bitmap.Empty());
  EXPECT_EQ(b[4]->Align, 1);
  EXPECT_EQ(b[4]->Xcoord, 20);
  EXPECT_EQ(b[4]->Ycoord, 4);
  EXPECT_EQ(b[4]->Visibility, 2);
  EXPECT_EQ(b[4]->Visibility1, 3);
  EXPECT_EQ(b[4]->CombineOp, 1);
  EXPECT_EQ(b[5]->FrameCount, 4);
  EXPECT_EQ(b[5]->Bitmap.Width(), 60);
  EXPECT_EQ(b[6]->FrameCount, 6);  // no image
  EXPECT_EQ(b[7]->Action, 7);
}

TEST(SkinDefinition, MdiButtonsAreCutFromTheirImage) {
  TSkinSet set;
  LoadDefinition(set, "[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", BitmapFile(180, 15, 9)}});
  ASSERT_EQ(set.SysButtons.size(), 3u);
  const int expectedX[] = {57, 38, 19};
  for (int j = 0; j < 3; ++j) {
    const auto& mdi = *set.SysButtons[std::size_t(j)];
    ASSERT_EQ(mdi.Bitmap.Width(), 60);
    ASSERT_EQ(mdi.Bitmap.Height(), 15);
    EXPECT_EQ(mdi.Xcoord, expectedX[j]);
    EXPECT_EQ(mdi.Bitmap.Pixel(0, 0), ui::RGBColor(std::uint8_t(60 * j), 0, 9));
    EXPECT_EQ(mdi.Bitmap.Pixel(59, 14), ui::RGBColor(std::uint8_t(60 * j + 59), 14, 9));
  }
}

TEST(SkinDefinition, MdiImageNarrowerThanTwelveCells) {
  TSkinSet set;
  LoadDefinition(set, "[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", BitmapFile(11, 15)}});
  ASSERT_EQ(set.SysButtons.size(), 3u);
  EXPECT_TRUE(set.SysButtons[0]->Bitmap.Empty());
  EXPECT_EQ(set.SysButtons[0]->Xcoord, 12);
}

TEST(SkinDefinition, ColoursAndTheirFallbacks) {
  TSkinSet set;
  LoadDefinition(set,
                 "[Colours]\nButtonFace=236 233 216\nButtonText=1 2 3\nTitleTextActive=9 9 9\n"
                 "[Buttons]\nNormalColour=5\nPressedColour2=7 7 7\n[Toolbars]\nImage=t.bmp\n",
                 {{"t.bmp", BitmapFile(50, 10)}});
  EXPECT_EQ(set.MenuTextColour, ui::RGBColor(236, 233, 216));  // from "ButtonFace"
  EXPECT_EQ(set.MenubarColour, ui::RGBColor(236, 233, 216));
  EXPECT_EQ(set.TitleTextInactiveColour, ui::RGBColor(9, 9, 9));
  EXPECT_EQ(set.Buttons->NormalColour, 5);
  EXPECT_EQ(set.Buttons->MouseOverColour, -1);
  EXPECT_EQ(set.Buttons->NormalColour2, ui::RGBColor(1, 2, 3));  // ButtonText
  EXPECT_EQ(set.Buttons->PressedColour2, ui::RGBColor(7, 7, 7));
  ASSERT_NE(set.Toolbars, nullptr);
  EXPECT_EQ(set.Toolbars->MouseOverColour2, ui::RGBColor(1, 2, 3));

  TSkinSet own;
  LoadDefinition(own, "[Colours]\nMenuText=1 1 1\nButtonFace=2 2 2\nTitleTextInactive=3 3 3\n");
  EXPECT_EQ(own.MenuTextColour, ui::RGBColor(1, 1, 1));
  EXPECT_EQ(own.TitleTextActiveColour, ui::clCaptionText);
  EXPECT_EQ(own.TitleTextInactiveColour, ui::RGBColor(3, 3, 3));
}

TEST(SkinDefinition, CheckAndRadioFrames) {
  TSkinSet set;
  LoadDefinition(set, "[Buttons]\nCheckButton=check.bmp\nRadioButton=radio.bmp\n",
                 {{"check.bmp", BitmapFile(65, 13)}, {"radio.bmp", BitmapFile(96, 16)}});
  EXPECT_EQ(set.Buttons->CheckFrames, 5);  // 65 / 13
  EXPECT_EQ(set.Buttons->RadioFrames, 6);  // 96 / 16
  EXPECT_EQ(skin::StripFrameCount(ui::TBitmap()), 4);

  TSkinSet narrow;
  LoadDefinition(narrow, "[Buttons]\nCheckButton=check.bmp\nRadioButtonFrame=7\n",
                 {{"check.bmp", BitmapFile(26, 13)}});
  EXPECT_EQ(narrow.Buttons->CheckFrames, 4);  // at least 4
  EXPECT_EQ(narrow.Buttons->RadioFrames, 7);  // given
}

TEST(SkinDefinition, ImageKeyNamesAPackageEntry) {
  EXPECT_EQ(skin::ImageEntryName("C:\\Skins\\Blue\\Top.bmp"), "Top.bmp");
  EXPECT_EQ(skin::ImageEntryName("d:top.bmp"), "top.bmp");
  EXPECT_EQ(skin::ImageEntryName("C:\\Skins\\Top.BMP"), "");
  EXPECT_EQ(skin::ImageEntryName("top.bmp.txt"), "");
  EXPECT_EQ(skin::ImageEntryName("C:\\Skins\\"), "");

  TSkinSet set;
  LoadDefinition(set,
                 "[Personality]\nLeft=C:\\Old\\Path\\LEFT.bmp\nRight=C:\\Old\\Path\\right.BMP\nTop=gone.bmp\n"
                 "Bottom=broken.bmp\n",
                 {{"left.bmp", BitmapFile(10, 60)}, {"right.bmp", BitmapFile(10, 60)},
                  {"broken.bmp", BytesOf("BM not really")}});
  EXPECT_EQ(set.Borders[skin::bdLeft]->Bitmap.Height(), 60);
  EXPECT_TRUE(set.Borders[skin::bdRight]->Bitmap.Empty());
  EXPECT_TRUE(set.Borders[skin::bdTop]->Bitmap.Empty());
  EXPECT_TRUE(set.Borders[skin::bdBottom]->Bitmap.Empty());
}

TEST(SkinDefinition, ImageObjectsTitleProgressAndMenuBar) {
  TSkinSet set;
  LoadDefinition(set,
                 "[Personality]\nmenuBar=bar.bmp\nTileMenu=1\nTextBack=bar.bmp\nTextShift=3\nTextShiftVert=2\n"
                 "TextRightClip=40\nTextAlignment=1\nTXTBackleft=6\nActiveTextR=1\nActiveTextG=2\nActiveTextB=3\n"
                 "[Fonts]\nFontHeight=12\n"
                 "[Progress]\nBitmap=bar.bmp\nLeftWidth=2\nTile=1\n"
                 "[Tabs]\nImage=bar.bmp\nBorder=panel.bmp\nLeftWidth=4\nFrameCount=9\n"
                 "[UpDown.Horz]\nImage=bar.bmp\nGlyphImage=\n"
                 "[HorzScrollThumb]\nImage=bar.bmp\nFrameCount=4\n[VertScrollThumb]\nImage=bar.bmp\n"
                 "[Scrollbar]\nImage=missing.bmp\n[SunkEdge]\nImage=\n",
                 {{"bar.bmp", BitmapFile(40, 10)}, {"panel.bmp", BitmapFile(20, 20)}});
  ASSERT_NE(set.MenuBar, nullptr);
  EXPECT_EQ(set.MenuBar->Name, "Personality");
  EXPECT_EQ(set.MenuBar->Tile, 1);
  EXPECT_EQ(set.MenuBar->LeftWidth, 1);
  EXPECT_EQ(set.MenuBar->RightWidth, 1);
  EXPECT_EQ(set.MenuBar->FrameCount, 2);
  EXPECT_EQ(set.Title->LeftWidth, 3);
  EXPECT_EQ(set.Title->TopHeight, 2);
  EXPECT_EQ(set.Title->RightWidth, 40);
  EXPECT_EQ(set.Title->TextAlignment, 1);
  EXPECT_EQ(set.Title->TXTBackleft, 6);
  EXPECT_EQ(set.Title->FontHeight, 12);
  EXPECT_EQ(set.Title->ActiveTextColour, ui::RGBColor(1, 2, 3));
  EXPECT_FALSE(set.Title->Bitmap.Empty());
  ASSERT_NE(set.Progress, nullptr);
  EXPECT_EQ(set.Progress->LeftWidth, 2);
  EXPECT_EQ(set.Progress->Tile, 1);
  EXPECT_EQ(set.Progress->FrameCount, 2);
  ASSERT_NE(set.Tabs, nullptr);
  EXPECT_EQ(set.Tabs->Name, "Tabs");
  EXPECT_EQ(set.Tabs->Bitmap2.Width(), 20);
  EXPECT_EQ(set.Tabs->LeftWidth, 4);
  EXPECT_EQ(set.Tabs->FrameCount, 5);  // fixed, whatever the section says
  ASSERT_NE(set.UpDownHorz, nullptr);
  EXPECT_TRUE(set.UpDownHorz->Bitmap2.Empty());
  EXPECT_EQ(set.UpDownHorz->FrameCount, 8);
  EXPECT_EQ(set.UpDownVert, nullptr);
  EXPECT_EQ(set.HorzScrollThumb->FrameCount, 4);
  EXPECT_EQ(set.VertScrollThumb->FrameCount, 3);
  ASSERT_NE(set.Scrollbar, nullptr);  // the key is given: present, with an empty image
  EXPECT_TRUE(set.Scrollbar->Bitmap.Empty());
  EXPECT_EQ(set.Scrollbar->FrameCount, 23);
  EXPECT_EQ(set.SunkEdge, nullptr);
}

TEST(SkinDefinition, ReloadReplacesOptionalObjectsAndButtons) {
  TSkinSet set;
  LoadDefinition(set, "[Button1]\n[Button2]\n[Toolbars]\nImage=t.bmp\n[Progress]\nBitmap=t.bmp\n",
                 {{"t.bmp", BitmapFile(10, 10)}});
  ASSERT_EQ(set.SysButtons.size(), 5u);
  // A window's caption button holds its entry; the reload makes new ones.
  const std::shared_ptr<skin::TDataSkinSysButton> held = set.SysButtons.front();
  LoadDefinition(set, "[Button1]\n");
  EXPECT_EQ(set.SysButtons.size(), 4u);
  EXPECT_EQ(set.Toolbars, nullptr);
  EXPECT_EQ(set.Progress, nullptr);
  EXPECT_EQ(set.Borders[skin::bdTop]->Name, "Top");
  EXPECT_NE(set.SysButtons.front(), held);
  EXPECT_EQ(held->Name, "BUTTON1");  // still whole
}

}  // namespace

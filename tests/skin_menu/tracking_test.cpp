// Opening the bar's popups: by a click, by Alt + accelerator, moving between
// items with the arrow keys (wrapping; not out of a second-level popup nor
// from an item that opens one) or the mouse, Alt ending the tracking, the
// WM_COMMAND of every opened item, owner-drawn popups, the bar rebuilt on
// CM_MENUCHANGED and the menu given back on detach.
#include "MenuBarTestSupport.h"

#include "ui/Messages.h"

namespace {

using namespace menu_test;

// Posts a click on the item as the keyboard road does, and pumps it through.
std::function<void()> Click(skin::TWinSkinMenu& bar, int index) {
  return [&bar, index] { bar.ClickMenuItem(bar.Items.at(std::size_t(index)).get()); };
}

TEST_F(MenuBarTest, ClickOpensThePopupOwnerDrawnAndPostsTheCommand) {
  Start();
  HWND menuWindow = nullptr;
  ASSERT_TRUE(RunScript({Record(), [&] {
                           menuWindow = MenuWindow();
                           PostKey(VK_ESCAPE);
                         }},
                        Click(Bar(), 0)));
  EXPECT_EQ(opened_, (std::vector<int>{0}));
  EXPECT_EQ(selected_, (std::vector<int>{-1})) << "opened by the mouse: nothing selected yet";
  EXPECT_NE(menuWindow, nullptr);
  EXPECT_FALSE(form_->MenuTracking);
  EXPECT_EQ(Item(0).State, skin::ncsNormal) << "the item shows normal once its popup closed";
  PumpFor(50);
  EXPECT_EQ(Commands(), (std::vector<UINT>{kFileCommand}));

  // The popup and its sub-popup became owner-drawn (their text stays for the drawing).
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu_.Recent, 0, TRUE, &info);
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  wchar_t text[16] = {};
  GetMenuStringW(menu_.File, 0, text, 16, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Open");
}

TEST_F(MenuBarTest, DisabledItemPostsItsCommandButOpensNothing) {
  Start();
  Item(2).MouseDown();
  form_->OpenMenuItem(&Item(2));
  EXPECT_FALSE(form_->MenuTracking);
  PumpFor(50);
  EXPECT_EQ(Commands(), (std::vector<UINT>{kViewCommand}));
}

TEST_F(MenuBarTest, AltAndTheAcceleratorOpenTheItem) {
  Start();
  LRESULT swallowed = 0;
  ASSERT_TRUE(RunScript({Record(), [] { PostKey(VK_ESCAPE); }},
                        [&] { swallowed = SendMessageW(wnd_, WM_SYSCOMMAND, SC_KEYMENU, 'e'); }));
  EXPECT_EQ(swallowed, 1);
  EXPECT_EQ(opened_, (std::vector<int>{1}));
  EXPECT_EQ(selected_, (std::vector<int>{0})) << "opened from the keyboard: its first entry selected";
  // A disabled item's accelerator and an unknown key open nothing; F10 alone is swallowed.
  EXPECT_EQ(form_->MenuBarAccelItem('v'), nullptr);
  EXPECT_EQ(form_->MenuBarAccelItem('q'), nullptr);
  EXPECT_EQ(form_->MenuBarAccelItem('H'), &Item(3));
  EXPECT_EQ(SendMessageW(wnd_, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  PumpFor(100);
  EXPECT_FALSE(form_->MenuTracking);
}

TEST_F(MenuBarTest, ArrowKeysMoveBetweenItemsWithWrapButNotOutOfSubPopups) {
  Start();
  ASSERT_TRUE(RunScript(
      {
          Record(), [] { PostKey(VK_LEFT); },  // from the first item to the last
          Record(), [] { PostKey(VK_RIGHT); },  // from the last to the first
          Record(),
          [] {  // from Open (selected on the switch) down to Recent, which opens a sub-popup: Right opens it, no switch
            PostKey(VK_DOWN);
            PostKey(VK_RIGHT);
          },
          Record(), [] { PostKey(VK_LEFT); },  // inside the sub-popup: closes it, no switch
          Record(),
          [] {  // up to Open, a command: Right moves on to Edit
            PostKey(VK_UP);
            PostKey(VK_RIGHT);
          },
          Record(), [] { PostKey(VK_ESCAPE); },
      },
      Click(Bar(), 0)));
  EXPECT_EQ(opened_, (std::vector<int>{0, 3, 0, 0, 0, 1}));
  // Opened by a click, nothing is selected; every popup the keys switch to
  // opens with its first entry selected; Recent stays selected in File.
  EXPECT_EQ(selected_, (std::vector<int>{-1, 0, 0, 1, 1, 0}));
  PumpFor(50);
  // Each opened item posted its command; Help, whose identifier is only its
  // popup's handle, none (its low word could be another item's command).
  EXPECT_EQ(Commands(), (std::vector<UINT>{kFileCommand, kFileCommand, kEditCommand}));
}

TEST_F(MenuBarTest, MouseOverAnotherItemSwitchesOverTheOpenOneNothingAndAltEnds) {
  Start();
  const auto moveTo = [this](int index) {
    return [this, index] {
      const POINT p = FrameToScreen(wnd_, Centre(Item(index).Rect));
      SetCursorPos(p.x + 1, p.y);
      if (HWND menu = MenuWindow()) PostMessageW(menu, WM_MOUSEMOVE, 0, 0);
    };
  };
  bool trackingAfterAlt = true;
  ASSERT_TRUE(RunScript(
      {
          moveTo(0), Record(),  // over the open item: nothing
          moveTo(3), Record(),  // over Help: switch
          [] {
            if (HWND menu = MenuWindow()) PostMessageW(menu, WM_SYSKEYDOWN, VK_MENU, 0x20000000);
          },
          [&] { trackingAfterAlt = form_->MenuTracking; },
      },
      [&] {
        const POINT p = FrameToScreen(wnd_, Centre(Item(0).Rect));
        SetCursorPos(p.x, p.y);
        Bar().ClickMenuItem(&Item(0));
      }));
  EXPECT_EQ(opened_, (std::vector<int>{0, 3}));
  EXPECT_EQ(selected_, (std::vector<int>{-1, -1})) << "switched by the mouse: nothing selected";
  EXPECT_FALSE(trackingAfterAlt);
  EXPECT_FALSE(form_->MenuTracking);
}

TEST_F(MenuBarTest, MenuChangedRebuildsTheBarAndDetachGivesTheMenuBack) {
  Start();
  RECT before{};
  GetWindowRect(wnd_, &before);
  // The window's owner changes its menu and puts it back, as the class library does.
  HMENU tools = CreatePopupMenu();
  AppendMenuW(tools, MF_STRING, 501, L"&Options");
  AppendMenuW(menu_.Bar, MF_POPUP, UINT_PTR(tools), L"&Tools");
  SetMenu(wnd_, menu_.Bar);
  SendMessageW(wnd_, ui::CM_MENUCHANGED, 0, 0);
  ASSERT_EQ(Bar().Items.size(), 5u);
  EXPECT_EQ(Item(4).Caption, L"&Tools");
  EXPECT_EQ(GetMenu(wnd_), nullptr);
  EXPECT_EQ(form_->MenuBarAccelItem('t'), &Item(4));
  Repaint();
  EXPECT_EQ(Item(4).Rect.left, Item(3).Rect.right) << "laid out with the next paint";

  // File opened once: its items (and its sub-popup's) became owner-drawn;
  // one the window's owner made owner-drawn itself stays so.
  MENUITEMINFOW own{};
  own.cbSize = sizeof(own);
  own.fMask = MIIM_FTYPE;
  own.fType = MFT_OWNERDRAW;
  SetMenuItemInfoW(menu_.Edit, 0, TRUE, &own);
  ASSERT_TRUE(RunScript({[] { PostKey(VK_ESCAPE); }}, Click(Bar(), 0)));
  const auto ownerDrawn = [](HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
  };
  ASSERT_TRUE(ownerDrawn(menu_.File, 0));
  ASSERT_TRUE(ownerDrawn(menu_.Recent, 1));

  form_->Detach();
  EXPECT_EQ(form_->SkinMenu, nullptr);
  EXPECT_EQ(GetMenu(wnd_), menu_.Bar);
  EXPECT_EQ(GetMenuItemCount(menu_.Bar), 5);
  // The system draws the window's menus again, with their texts.
  for (UINT position = 0; position < 4; ++position) EXPECT_FALSE(ownerDrawn(menu_.File, position)) << position;
  EXPECT_FALSE(ownerDrawn(menu_.Recent, 0));
  EXPECT_FALSE(ownerDrawn(menu_.Recent, 1));
  EXPECT_TRUE(ownerDrawn(menu_.Edit, 0));
  wchar_t text[16] = {};
  GetMenuStringW(menu_.File, 0, text, 16, MF_BYPOSITION);
  EXPECT_STREQ(text, L"&Open");
}

}  // namespace

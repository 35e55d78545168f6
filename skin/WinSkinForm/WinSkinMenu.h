// The skinned menu bar of a window: TWinSkinMenu takes the menu off the
// window, keeps one TMenuBtn per top-level item, paints the bar inside the
// skinned frame (under the title bar, MenuBarHeight high) and opens each
// item's popup with TrackPopupMenu. While a popup is open, a message-filter
// hook (MenuFilter.cpp) lets the user move to the neighbouring menu with the
// arrow keys or the mouse, as a system menu bar would.
//
// Item rectangles are in frame coordinates (the window's top-left is 0,0).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/WinSkinForm/NCObject.h"
#include "ui/Component.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"
#include "ui/MenuItemText.h"

namespace ui {
class TMainMenu;
}

namespace skin {

class TSkinSet;
class TWinSkinForm;

// One item of the bar. Its state (normal, hot, pressed) shows as a frame.
class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm* skinForm, int index);

  int Index;
  std::wstring Caption;  // with its "&" accelerator mark
  bool Enabled = true;
  HMENU SubMenu = nullptr;  // the item's popup; null for a command item
  UINT Command = 0;

  // Repaints this item's column of the bar on the window.
  void DrawState() override;
};

class TWinSkinMenu : public ui::TComponent {
 public:
  // Paints from the owner's skin, at its DPI.
  explicit TWinSkinMenu(TWinSkinForm* owner);
  ~TWinSkinMenu() override;
  std::string ClassName() const override { return "TWinSkinMenu"; }

  std::vector<std::unique_ptr<TMenuBtn>> Items;
  ui::TMainMenu* Menu = nullptr;  // the framework form's main menu, or null
  RECT BarRect{};                 // window coordinates of the bar at its last painting
  TWinSkinForm* SkinForm;
  ui::TBitmap BarBackground;  // the bar without texts, for one-item repaints
  int ItemCount = -1;         // top-level items; -1 without a menu
  HMENU MenuHandle = nullptr;  // the menu taken off the window, given back on detach
  int KeyOpenIndex = -1;       // the item a key asked to open (ClickMenuItem), -1 when none

  // A popup item made owner-drawn for the skin, to be given its own type back.
  struct TOwnerDrawnItem {
    HMENU Menu;
    UINT Position;
    UINT Id;
    HMENU SubMenu;
    ULONG_PTR GivenData;  // the item text given as its data (ItemTexts), or 0
  };
  std::vector<TOwnerDrawnItem> OwnerDrawnItems;
  // Texts of the items made owner-drawn that had no data of their own.
  std::vector<std::unique_ptr<ui::TMenuItemText>> ItemTexts;

  void SetMenu(ui::TMainMenu* menu);
  // The owner's DPI has changed: the bar's font follows.
  void DpiChanged();
  // (Re)builds Items from the window's menu and takes the menu off the window.
  void BuildItems();
  // Gives the window its menu back (detach), with the popup items the skin
  // made owner-drawn drawn by the system again.
  void GiveMenuBack();
  // The whole bar into `rect` (window coordinates) of a window device context.
  void PaintMenuBar(HDC dc, const RECT& rect);
  // The item with a caption whose rectangle holds the frame point, or null.
  TMenuBtn* ItemAt(POINT framePoint) const;
  // The first enabled item whose caption has this accelerator, or null.
  TMenuBtn* FindAccelItem(WPARAM key) const;
  // Posts the click on the item that opens it. An item opened from the
  // keyboard (`byKey`) shows its popup with the first entry selected, as a
  // system menu bar does.
  void ClickMenuItem(TMenuBtn* item, bool byKey = false);
  // Posts the item's WM_COMMAND and tracks its popup (and, when the user
  // moves on to another item meanwhile, that one's). False for an item
  // without a popup.
  bool OpenMenuItem(TMenuBtn* item);

  // Text of the bar: the system's menu font.
  HFONT Font() const { return font_.Get(); }
  // A caption centred in `rect`, "&" marking its underlined accelerator.
  void DrawCaption(HDC dc, const RECT& rect, const std::wstring& text, bool enabled) const;

  void Notification(ui::TComponent* component, ui::TOperation operation) override;

 private:
  void FreeItems();
  void RestoreItemTypes();
  void ReadItem(int position);
  void DrawMdiButtons(HDC dc);

  ui::FontHandle font_;
};

// A bar that goes while its popup is open: the popup is ended and the
// tracking forgets the bar.
void ForgetTrackingMenu(TWinSkinMenu* menu);

}  // namespace skin

// Owner drawing of menu items by the skin, where it meets the framework and
// the skinned window:
// - a skinned form's framework popup menus get the skin's measuring and
//   drawing as their items' OnMeasureItem / OnDrawItem (SetPopupOwnerDraw);
// - the popups of a skinned menu bar, and menus of windows of other code,
//   are measured and drawn on WM_MEASUREITEM / WM_DRAWITEM sent to the
//   skinned window (MeasureMenuItem, DrawMenuItem).
#pragma once

#include <windows.h>

#include "skin/popup_menu/MenuItemPaint.h"

namespace ui {
class TCanvas;
class TForm;
class TMenuItem;
class TObject;
}  // namespace ui

namespace skin {

class TSkinData;
class TWinSkinForm;

// A framework menu item with Tag 999 is never drawn by the skin.
constexpr std::intptr_t kPlainMenuItemTag = 999;

// Owner drawing of the form's framework popup menus on or off. Menus whose
// Tag mod 100 is the skin's DisableTag stay plain, and so does everything
// without xcPopupMenu in the skin's SkinControls.
void SetPopupOwnerDraw(ui::TForm& form, const TSkinData& skinData, bool on);

// The look of a framework menu item: its menu's images, alignment (popup
// menus) and reading order.
TMenuItemLook LookOf(ui::TMenuItem& item);

// The framework item events: room for the glyph (the engine's ItemExtraWidth
// wider; ItemExtraHeight taller on Windows 95/98/Me, at the form's DPI), and
// the item from the skin of the form that shows the menu (the plain
// framework look without one).
void MeasureItemEvent(ui::TForm* form, ui::TObject* sender, ui::TCanvas& canvas, int& width, int& height);
void DrawItemSkinnedEvent(ui::TForm* form, ui::TObject* sender, ui::TCanvas& canvas, RECT rect, bool selected);

// WM_MEASUREITEM / WM_DRAWITEM at a skinned window; false when the message
// is not about an item of ours (it then goes on to the window).
bool MeasureMenuItem(TWinSkinForm& form, MEASUREITEMSTRUCT& measure);
bool DrawMenuItem(TWinSkinForm& form, const DRAWITEMSTRUCT& draw);

// The system's version says Windows 95/98/Me.
bool IsWin9x();

}  // namespace skin

// Painting owner-drawn popup-menu items from the skin. Every item is composed
// in an off-screen bitmap of its size (the popup's cached background under
// the skin's item image, then the glyph and the texts) and put on the menu in
// one blit.
//
// The painters see an item through TMenuItemLook, filled from a framework
// menu item or, for menus of other code, from the system menu itself.
#pragma once

#include <windows.h>

#include <string>

#include "ui/GdiHandles.h"

namespace ui {
class TImageList;
}

namespace skin {

class TSkinSet;

// What the painters need to know of one item.
struct TMenuItemLook {
  std::wstring Caption;       // "-": a separator
  std::wstring ShortCutText;  // empty without a shortcut
  bool Checked = false;
  bool Default = false;  // drawn bold
  bool Enabled = true;
  const ui::TImageList* Images = nullptr;  // the menu's images, or null
  int ImageIndex = -1;
  UINT Alignment = DT_LEFT;  // of the captions: DT_LEFT, DT_RIGHT or DT_CENTER
  bool RightToLeft = false;
  bool HideAccessKeys = false;  // no underlines (keyboard cues hidden, ODS_NOACCEL)

  bool IsLine() const { return Caption == L"-"; }
  // The item has an image in its menu's image list.
  bool HasImage() const;
};

// The look of the item `command` of a system menu (by command): its text
// ("-" when it has none) and state.
TMenuItemLook LookOfMenuCommand(HMENU menu, UINT command);

// The screen's menu font, plain or bold (owned by the caller).
ui::FontHandle CreateMenuFont(int dpi, bool bold = false);

// A framework item of a skinned form's popup menu: over the cached background
// of the popup window showing `menu` (the item's parent menu), the skin's item
// image (frame 4 selected, 1 normal); separators get the item image's frame 2.
// Without the skin's item image the plain look is drawn.
void DrawItemSkinned(const TSkinSet& skin, HMENU menu, const TMenuItemLook& item, HDC dc, const RECT& rect,
                     bool selected);
// An item of a menu of other code (or of the menu bar's popups): as above,
// but a separator is a normal item with an etched line.
void DrawItemForeign(const TSkinSet& skin, HMENU menu, const TMenuItemLook& item, bool selected, const RECT& rect,
                     HDC dc);
// Without a skin item image: the highlight colour when selected, else the
// face colour, under the glyph and texts.
void DrawItemPlain(const TSkinSet& skin, const TMenuItemLook& item, HDC dc, bool selected, const RECT& rect);
// The separator image: the bottom rows of the item image's frame 2 in three
// stretched pieces, drawn leaving out the key colour.
void DrawSeparator(const TSkinSet& skin, HDC dc, const RECT& rect);
// The glyph (image or check mark), the caption and the shortcut of an item
// in `rect` of `dc`.
void DrawItemContent(const TSkinSet& skin, const TMenuItemLook& item, HDC dc, bool selected, const RECT& rect);
// One text of an item in `box` with DrawText's `format`; with DT_CALCRECT
// only measured (box receives the size). "-" draws an etched line instead.
void DrawMenuText(const TSkinSet& skin, const TMenuItemLook& item, HDC dc, UINT format, bool selected, RECT& box,
                  std::wstring text);

}  // namespace skin

// The system's check-mark bitmap (OBM_CHECK) is declared only with this.
#ifndef OEMRESOURCE
#define OEMRESOURCE
#endif
#include "skin/popup_menu/MenuItemPaint.h"

#include <algorithm>
#include <optional>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WindowDpi.h"
#include "skin/draw/Frames.h"
#include "skin/draw/Slicing.h"
#include "skin/draw/Transparency.h"
#include "skin/manager/SkinManage.h"
#include "skin/popup_menu/WinSkinPopMenu.h"
#include "ui/ImgList.h"
#include "ui/KeyboardCues.h"

namespace skin {

namespace {

constexpr int kItemFrames = 5;
constexpr int kNormalFrame = 1;
constexpr int kSeparatorFrame = 2;
constexpr int kSelectedFrame = 4;

COLORREF Rgb(ui::TColor colour) { return COLORREF(ui::ColorToRGB(colour)); }

RECT MarginsOf(const TDataSkinObject& object) {
  return RECT{object.LeftWidth, object.TopHeight, object.RightWidth, object.BottomHeight};
}

bool HasItemImage(const TSkinSet& skin) { return skin.MenuItem && !skin.MenuItem->Bitmap.Empty(); }

// An off-screen bitmap of the item's size with the menu font selected.
struct TItemBitmap {
  TItemBitmap(int width, int height, int dpi) : Font(CreateMenuFont(dpi)) {
    Bitmap.SetSize(std::max(width, 0), std::max(height, 0));
    if (!Bitmap.Empty()) Select.emplace(Bitmap.Canvas().Handle(), Font.Get());
  }
  HDC Dc() { return Bitmap.Canvas().Handle(); }
  RECT Rect() const { return RECT{0, 0, Bitmap.Width(), Bitmap.Height()}; }
  // The whole bitmap at `at` on `dc`.
  void PutOn(HDC dc, POINT at) {
    if (!Bitmap.Empty()) BitBlt(dc, at.x, at.y, Bitmap.Width(), Bitmap.Height(), Dc(), 0, 0, SRCCOPY);
  }

  ui::TBitmap Bitmap;
  ui::FontHandle Font;
  std::optional<ui::SelectGuard> Select;
};

// The part of the popup's cached background under the item; the menu colour
// where the popup has none (not bound, or not painted from the skin).
void PaintBackground(const TSkinSet& skin, HMENU menu, TItemBitmap& item, const RECT& rect) {
  const TSkinManage* manager = SkinManage();
  TWinSkinPopMenu* popup = manager ? manager->FindPopupMenu(menu) : nullptr;
  if (!popup || popup->Background.Empty()) {
    item.Bitmap.Canvas().FillRect(item.Rect(), skin.MenuColour);
    return;
  }
  // Item rectangles are client coordinates of the popup; the background
  // covers the whole window.
  const POINT offset = popup->ClientOffset();
  RECT source{rect.left + offset.x, rect.top + offset.y, rect.right + offset.x, rect.bottom + offset.y};
  const RECT bounds{0, 0, popup->Background.Width(), popup->Background.Height()};
  item.Bitmap.Canvas().FillRect(item.Rect(), skin.MenuColour);
  // Only what the background covers is copied (an item may reach past a
  // background built for an older size).
  if (!IntersectRect(&source, &source, &bounds)) return;
  BitBlt(item.Dc(), source.left - rect.left - offset.x, source.top - rect.top - offset.y, source.right - source.left,
         source.bottom - source.top, popup->Background.Canvas().Handle(), source.left, source.top, SRCCOPY);
}

void PaintItemImage(const TSkinSet& skin, TItemBitmap& item, int frame) {
  TDataSkinObject& image = *skin.MenuItem;
  DrawSlicedImage(item.Dc(), item.Rect(), image.Bitmap, MarginsOf(image), false,
                  image.Tile != 0, image.Trans != 0, kItemFrames, frame);
}

// The skin's item image over the popup background, the content on top.
void DrawItemOverBackground(const TSkinSet& skin, HMENU menu, const TMenuItemLook& look, HDC dc, const RECT& rect,
                            bool selected, bool separatorImage) {
  TItemBitmap item(rect.right - rect.left, rect.bottom - rect.top, skin.Dpi);
  if (item.Bitmap.Empty()) return;
  PaintBackground(skin, menu, item, rect);
  if (separatorImage) {
    item.PutOn(dc, POINT{rect.left, rect.top});
    DrawSeparator(skin, dc, rect);
    return;
  }
  PaintItemImage(skin, item, selected ? kSelectedFrame : kNormalFrame);
  DrawItemContent(skin, look, item.Dc(), selected, item.Rect());
  item.PutOn(dc, POINT{rect.left, rect.top});
}

// The dithered face-and-highlight box of a checked item with an image.
void PaintCheckedBox(HDC dc, RECT box) {
  // One pixel more to the right and below: the image leaves the edge visible there.
  ++box.right;
  ++box.bottom;
  static const WORD kDither[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const ui::BitmapHandle pattern(CreateBitmap(8, 8, 1, 1, kDither));
  const ui::BrushHandle brush(CreatePatternBrush(pattern.Get()));
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &box, brush.Get());
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
}

// The system check mark in the button-text colour, centred in the box and
// moved 1 pixel right and down, its white left out.
void PaintCheckMark(HDC dc, const RECT& box) {
  const ui::BitmapHandle mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK)));
  BITMAP info{};
  if (!mark || !GetObjectW(mark.Get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  ui::TBitmap coloured;
  coloured.SetSize(info.bmWidth, info.bmHeight);
  {
    const ui::MemoryDC source;
    const ui::SelectGuard select(source.Get(), mark.Get());
    HDC target = coloured.Canvas().Handle();
    // A monochrome source takes the target's text colour for 0 and its
    // background colour for 1: the mark in button text on the key colour.
    const COLORREF oldText = SetTextColor(target, GetSysColor(COLOR_BTNTEXT));
    const COLORREF oldBack = SetBkColor(target, Rgb(kKeyColour));
    BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
    SetTextColor(target, oldText);
    SetBkColor(target, oldBack);
  }
  const int x = box.left + (box.right - box.left - info.bmWidth) / 2 + 1;
  const int y = box.top + (box.bottom - box.top - info.bmHeight) / 2 + 1;
  DrawTransparent(dc, RECT{x, y, x + info.bmWidth, y + info.bmHeight}, coloured, kKeyColour);
}

void PaintGlyph(const TMenuItemLook& look, HDC dc, const RECT& box) {
  if (look.HasImage()) {
    if (look.Checked) PaintCheckedBox(dc, box);
    look.Images->Draw(dc, box.left, box.top, look.ImageIndex, look.Enabled);
  } else if (look.Checked) {
    PaintCheckMark(dc, box);
  }
}

ui::TColor TextColour(const TSkinSet& skin, const TMenuItemLook& look, bool selected) {
  if (!look.Enabled)
    return skin.ButtonShadowColour == skin.MenuTextColour ? ui::TColor(ui::clBtnShadow) : skin.ButtonShadowColour;
  return selected ? skin.HilightTextColour : skin.MenuTextColour;
}

}  // namespace

bool TMenuItemLook::HasImage() const { return Images && ImageIndex >= 0 && ImageIndex < Images->Count(); }

TMenuItemLook LookOfMenuCommand(HMENU menu, UINT command) {
  TMenuItemLook look;
  wchar_t text[81] = {};
  if (GetMenuStringW(menu, command, text, 81, MF_BYCOMMAND) <= 0) text[0] = 0;
  look.Caption = text[0] ? std::wstring(text) : std::wstring(L"-");
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  if (GetMenuItemInfoW(menu, command, FALSE, &info)) {
    look.Enabled = (info.fState & 3) == 0;
    look.Checked = (info.fState & MFS_CHECKED) != 0;
    look.Default = (info.fState & MFS_DEFAULT) != 0;
    look.RightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
  }
  // A text of its own holds the shortcut after a tab; the caption is measured
  // and drawn with tabs expanded, as the system does.
  return look;
}

ui::FontHandle CreateMenuFont(int dpi, bool bold) {
  NONCLIENTMETRICSW metrics;
  if (!NonClientMetricsForDpi(metrics, dpi))
    return ui::FontHandle(CreateFontW(-MulDiv(12, dpi, 96), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                      L"Tahoma"));
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return ui::FontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
}

void DrawItemSkinned(const TSkinSet& skin, HMENU menu, const TMenuItemLook& item, HDC dc, const RECT& rect,
                     bool selected) {
  if (!HasItemImage(skin)) {
    DrawItemPlain(skin, item, dc, selected, rect);
    return;
  }
  DrawItemOverBackground(skin, menu, item, dc, rect, selected, item.IsLine());
}

void DrawItemForeign(const TSkinSet& skin, HMENU menu, const TMenuItemLook& item, bool selected, const RECT& rect,
                     HDC dc) {
  if (!HasItemImage(skin)) {
    DrawItemPlain(skin, item, dc, selected, rect);
    return;
  }
  DrawItemOverBackground(skin, menu, item, dc, rect, selected, false);
}

void DrawItemPlain(const TSkinSet& skin, const TMenuItemLook& item, HDC dc, bool selected, const RECT& rect) {
  TItemBitmap bitmap(rect.right - rect.left, rect.bottom - rect.top, skin.Dpi);
  if (bitmap.Bitmap.Empty()) return;
  bitmap.Bitmap.Canvas().FillRect(bitmap.Rect(), selected ? skin.HilightColour : skin.ButtonFaceColour);
  DrawItemContent(skin, item, bitmap.Dc(), selected, bitmap.Rect());
  bitmap.PutOn(dc, POINT{rect.left, rect.top});
}

void DrawSeparator(const TSkinSet& skin, HDC dc, const RECT& rect) {
  if (!HasItemImage(skin)) return;
  TDataSkinObject& object = *skin.MenuItem;
  ui::TBitmap& image = object.Bitmap;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const int fw = image.Width() / kItemFrames, ih = image.Height();
  if (w <= 0 || h <= 0 || fw <= 0) return;
  // Margins the frame cannot give are cut down to it.
  const int left = std::clamp(object.LeftWidth, 0, fw);
  const int right = std::clamp(object.RightWidth, 0, fw - left);
  const int sy = h < ih ? ih - h : 0;  // the bottom rows of the frame
  const int x0 = fw * (kSeparatorFrame - 1), x1 = x0 + fw;
  ui::TBitmap piece;
  piece.SetSize(w, h);
  piece.Fill(kKeyColour);  // where no piece lands, the menu shows through
  HDC to = piece.Canvas().Handle();
  HDC from = image.Canvas().Handle();
  UseColorOnColor(to);
  StretchCopy(to, RECT{0, 0, left, h}, from, RECT{x0, sy, x0 + left, ih});
  StretchCopy(to, RECT{w - right, 0, w, h}, from, RECT{x1 - right, sy, x1, ih});
  StretchCopy(to, RECT{left, 0, w - right, h}, from, RECT{x0 + left, sy, x1 - right, ih});
  DrawTransparent(dc, RECT{rect.left, rect.top, rect.left + w, rect.top + h}, piece, kKeyColour);
}

void DrawItemContent(const TSkinSet& skin, const TMenuItemLook& item, HDC dc, bool selected, const RECT& rect) {
  // A right-to-left menu reads from the right whatever its alignment.
  const UINT alignment = item.RightToLeft ? UINT(DT_RIGHT) : item.Alignment;
  const TEngineMeasures& m = skin.Measures;
  const int glyphTop = rect.top + m.GlyphInset;
  RECT glyph{rect.left + m.GlyphInset, glyphTop, rect.left + m.GlyphInset + m.GlyphBox, glyphTop + m.GlyphBox};
  if (item.IsLine()) glyph = RECT{rect.left, glyphTop, rect.left, glyphTop + m.GlyphBox};  // no glyph room
  else PaintGlyph(item, dc, glyph);

  RECT textBox{glyph.right + m.GlyphTextGap, rect.top, rect.right - 1, rect.bottom};
  RECT measured = textBox;
  DrawMenuText(skin, item, dc, alignment | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE, selected, measured,
               item.Caption);
  // Measuring gives the text's size; the caption is drawn across its whole
  // box, so that right and centred alignment have room to act.
  const int textHeight = measured.bottom - measured.top;
  const int top = textBox.top + ((textBox.bottom - textBox.top) - textHeight) / 2;
  const bool shortcut = !item.ShortCutText.empty() && !item.IsLine();
  if (shortcut && alignment != DT_LEFT) {
    // Right-aligned and centred captions would run into the shortcut: it
    // keeps a column of its own (on the left of a right-aligned caption).
    RECT size{0, 0, 0, 0};
    DrawMenuText(skin, item, dc, DT_CALCRECT | DT_SINGLELINE, selected, size, item.ShortCutText);
    const int room = size.right - size.left + m.ShortcutGap;
    RECT box{};
    if (alignment & DT_RIGHT) {
      box = RECT{textBox.left, top, textBox.left + room, top + textHeight};
      textBox.left = box.right;
    } else {
      box = RECT{rect.right - m.ArrowRoom - room, top, rect.right - m.ArrowRoom, top + textHeight};
      textBox.right = box.left;
    }
    DrawMenuText(skin, item, dc, ((alignment & DT_RIGHT) ? DT_LEFT : DT_RIGHT) | DT_SINGLELINE, selected, box,
                 item.ShortCutText);
  }
  RECT caption{textBox.left, top, textBox.right, top + textHeight};
  DrawMenuText(skin, item, dc, alignment | DT_EXPANDTABS | DT_SINGLELINE, selected, caption, item.Caption);
  if (shortcut && alignment == DT_LEFT) {
    const int captionRight = textBox.left + (measured.right - measured.left);
    RECT box{captionRight, top, rect.right - m.ArrowRoom, top + textHeight};
    if (box.right > box.left)
      DrawMenuText(skin, item, dc, DT_RIGHT | DT_EXPANDTABS | DT_SINGLELINE, selected, box, item.ShortCutText);
  }
}

void DrawMenuText(const TSkinSet& skin, const TMenuItemLook& item, HDC dc, UINT format, bool selected, RECT& box,
                  std::wstring text) {
  if (item.RightToLeft) format |= DT_RIGHT | DT_RTLREADING;
  const bool measuring = (format & DT_CALCRECT) != 0;
  if (measuring && (text.empty() || text == L"&")) text += L' ';
  if (text == L"-") {
    if (!measuring) {
      RECT line = box;
      line.top += skin.Measures.SeparatorLine;
      DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    }
    return;
  }
  const ui::FontHandle bold = item.Default ? CreateMenuFont(skin.Dpi, true) : ui::FontHandle();
  std::optional<ui::SelectGuard> selectBold;
  if (bold) selectBold.emplace(dc, bold.Get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, Rgb(TextColour(skin, item, selected)));
  const ui::TCueText shown = ui::WithCues(item.HideAccessKeys, text, format);
  DrawTextW(dc, shown.Text.c_str(), int(shown.Text.size()), &box, shown.Format);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace skin

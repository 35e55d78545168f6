// The framework's own look of an owner-drawn menu item (when no handler
// draws it): measured and drawn at its menu's DPI, with the glyph column,
// gaps and fonts of the system's menus there.
#include <algorithm>
#include <string>

#include "ui/Dpi.h"
#include "ui/FormScale.h"
#include "ui/GdiHandles.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"

namespace ui {

namespace {

FontHandle MenuFont(bool bold, int dpi) {
  NONCLIENTMETRICSW metrics{};
  if (!NonClientMetricsForDpi(metrics, dpi)) return FontHandle();
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return FontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
}

int MenuDpi(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  return menu ? menu->Dpi() : SystemDpi();
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
  return size;
}

// The system's check mark, `box` big, in `colour` at `box`.
void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
  const int w = box.right - box.left, h = box.bottom - box.top;
  const MemoryDC markDc;
  const BitmapHandle bits(CreateBitmap(w, h, 1, 1, nullptr));
  if (!markDc.Get() || !bits) return;
  const SelectGuard selectBits(markDc.Get(), bits.Get());
  RECT all{0, 0, w, h};
  DrawFrameControl(markDc.Get(), &all, DFC_MENU, DFCS_MENUCHECK);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  // The mark is black on white: keep the black pixels in the text colour.
  const BrushHandle brush(CreateSolidBrush(colour));
  const SelectGuard selectBrush(dc, brush.Get());
  BitBlt(dc, box.left, box.top, w, h, markDc.Get(), 0, 0, 0x00B8074A);  // PSDPxax: brush where black
}

}  // namespace

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  const int dpi = MenuDpi(*this);
  const auto px = [dpi](int value) { return ScaleValue(value, dpi); };
  if (IsLine()) {
    width = px(10);
    height = px(8);
  } else {
    HDC dc = canvas.Handle();
    const FontHandle font = MenuFont(default_, dpi);
    const SelectGuard select(dc, font.Get());
    const SIZE size = TextSize(dc, StripHotkey(caption_.empty() ? L" " : caption_));
    int shortcutWidth = 0;
    if (const std::wstring shortcut = ShortCutToText(shortCut_); !shortcut.empty())
      shortcutWidth = TextSize(dc, shortcut).cx + px(16);
    // Glyph column (16 + margins) on the left, room for the sub-menu arrow on the right.
    width = px(20) + px(3) + size.cx + shortcutWidth + px(12);
    height = std::max<int>(SystemMetricForDpi(SM_CYMENU, dpi), size.cy + px(4));
  }
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DefaultDrawItem(TCanvas& canvas, RECT rect, bool selected) {
  const int dpi = MenuDpi(*this);
  const auto px = [dpi](int value) { return ScaleValue(value, dpi); };
  HDC dc = canvas.Handle();
  const bool highlighted = selected && enabled_ && !IsLine();
  FillRect(dc, &rect, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line{rect.left + px(2), rect.top + (rect.bottom - rect.top) / 2 - 1, rect.right - px(2), rect.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const int box = px(16);
  const int glyphTop = rect.top + (rect.bottom - rect.top - box) / 2;
  const RECT glyph{rect.left + px(2), glyphTop, rect.left + px(2) + box, glyphTop + box};
  TImageList* images = GetParentMenu() ? GetParentMenu()->Images() : nullptr;
  if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
    images->Draw(dc, glyph.left, glyph.top, imageIndex_, enabled_);
  } else if (checked_) {
    DrawCheckMark(dc, glyph, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  }
  const FontHandle font = MenuFont(default_, dpi);
  const SelectGuard selectFont(dc, font.Get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF colour = GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  if (!enabled_) colour = GetSysColor(COLOR_GRAYTEXT);
  const COLORREF oldColour = SetTextColor(dc, colour);
  RECT text{rect.left + px(23), rect.top, rect.right - px(12), rect.bottom};
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  const TMenu* menu = GetParentMenu();
  if (menu && menu->IsRightToLeft()) format |= DT_RTLREADING;
  DrawTextW(dc, caption_.c_str(), int(caption_.size()), &text, format | DT_LEFT);
  if (const std::wstring shortcut = ShortCutToText(shortCut_); !shortcut.empty())
    DrawTextW(dc, shortcut.c_str(), int(shortcut.size()), &text, format | DT_RIGHT);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace ui

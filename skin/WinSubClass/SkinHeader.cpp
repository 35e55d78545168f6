#include "skin/WinSubClass/SkinHeader.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/SkinDraw.h"
#include "ui/GdiHandles.h"

namespace skin {

namespace {

constexpr int kCaptionInset = 4;  // between a column's side and its caption
constexpr int kMaxSide = 10000;

void DrawFrameOne(HDC dc, const RECT& r, TDataSkinObject& bar) {
  const RECT margins{bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight};
  DrawSlicedImage(dc, r, bar.Bitmap, margins, false, bar.Tile != 0, false, bar.SafeFrameCount(), 1);
}

}  // namespace

bool TSkinHeader::AttachWindow(HWND wnd, TSkinSet* skinData, ui::TCanvas* canvas) {
  if (!TSkinControl::AttachWindow(wnd, skinData, canvas)) return false;
  if (OwnerForm()) OwnerForm()->Controls.push_back(this);
  return true;
}

TDataSkinObject* TSkinHeader::HeaderImage() const {
  TDataSkinObject* bar = SkinData ? SkinData->Headerbar.get() : nullptr;
  return bar && !bar->Bitmap.Empty() ? bar : nullptr;
}

bool TSkinHeader::BeforeDefault(ui::TMessage& message) {
  if (message.Msg == WM_ERASEBKGND && HeaderImage()) {
    message.Result = 1;  // the skin covers the whole header
    return false;
  }
  return true;
}

void TSkinHeader::PaintSkin(HDC dc, const RECT& rect) {
  TDataSkinObject* bar = HeaderImage();
  const int width = RectWidth(rect), height = RectHeight(rect);
  if (!bar || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return;

  ui::MemoryDC memory(dc);
  ui::BitmapHandle bitmap(CreateCompatibleBitmap(dc, width, height));
  if (!memory.Get() || !bitmap) return;
  ui::SelectGuard select(memory.Get(), bitmap.Get());
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  ui::SelectGuard selectFont(memory.Get(), font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(memory.Get(), TRANSPARENT);

  int right = 0;
  const int count = int(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageW(Handle, HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&item))) continue;
    DrawHeaderItem(memory.Get(), item, i);
    right = std::max<int>(right, item.right);
  }
  if (right < rect.right) DrawFrameOne(memory.Get(), RECT{right, rect.top, rect.right, rect.bottom}, *bar);

  BitBlt(dc, rect.left, rect.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void TSkinHeader::DrawHeaderItem(HDC dc, const RECT& r, int index) {
  TDataSkinObject* bar = HeaderImage();
  if (!bar || IsEmptyArea(r)) return;
  wchar_t text[201] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = 201;
  if (!SendMessageW(Handle, HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item))) text[0] = 0;
  text[200] = 0;
  DrawFrameOne(dc, r, *bar);
  const int length = int(wcslen(text));
  if (length == 0) return;

  UINT align = DT_LEFT;
  if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
  else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
  const UINT format = align | DT_SINGLELINE | DT_NOPREFIX;

  RECT measured = r;
  DrawTextW(dc, text, length, &measured, format | DT_CALCRECT);
  const int textWidth = RectWidth(measured), textHeight = RectHeight(measured);
  int dx = kCaptionInset;
  if (align == DT_CENTER) dx = (RectWidth(r) - textWidth) / 2;
  else if (align == DT_RIGHT) dx = RectWidth(r) - textWidth - kCaptionInset;
  const int dy = (RectHeight(r) - textHeight) / 2;
  RECT placed{r.left + dx, r.top + dy, r.left + dx + textWidth, r.top + dy + textHeight};
  // A caption wider than its column stays in it.
  ui::SavedDC saved(dc);
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  DrawTextW(dc, text, length, &placed, format);
}

}  // namespace skin
